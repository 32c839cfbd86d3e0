# The chart and synastry windows with their wheels.
target_sources(orvanel_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/form3_chart.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form4_synastry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/wheel_picture.cpp)
