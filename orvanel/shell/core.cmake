# The program-wide tables and program state.
target_sources(orvanel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/tables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_state.cpp)
