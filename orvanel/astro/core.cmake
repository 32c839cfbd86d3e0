# Ephemeris, houses and aspects.
target_sources(orvanel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/element_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/orbit_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ephemeris_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ephemeris.cpp
    ${CMAKE_CURRENT_LIST_DIR}/chart.cpp
    ${CMAKE_CURRENT_LIST_DIR}/aspects.cpp)
