# The consultation report's content, plain C++: what a report says and shows, gathered from the same
# code the windows use. The pages are laid out by the Qt library of ui.cmake.
target_sources(orvanel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/report_day.cpp
    ${CMAKE_CURRENT_LIST_DIR}/chart_tables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/concepts_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_pictures.cpp
    ${CMAKE_CURRENT_LIST_DIR}/consultation_report.cpp)
