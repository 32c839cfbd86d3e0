# Ephemeris, houses and aspects.
target_sources(orvanel_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/placeholder.cpp)
