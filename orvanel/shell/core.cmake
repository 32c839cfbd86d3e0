# The program-wide tables and program state, and the texts and computation of a date entry.
target_sources(orvanel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/tables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/entry_texts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/entry_confirmation.cpp)
