# The report's pages with Qt: laid out on A4, written to PDF, printed, drawn into an image. A library
# of its own, linked by the program and by orvanel-calc. Then the program's report commands.
add_library(orvanel_report_pages STATIC
    ${CMAKE_CURRENT_LIST_DIR}/page_style.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_measure.cpp
    ${CMAKE_CURRENT_LIST_DIR}/page_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/page_painting.cpp
    ${CMAKE_CURRENT_LIST_DIR}/report_file.cpp)
target_link_libraries(orvanel_report_pages PUBLIC orvanel_core surface_qt Qt6::PrintSupport)

target_sources(orvanel_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/report_commands.cpp)
target_link_libraries(orvanel_ui PUBLIC orvanel_report_pages)
