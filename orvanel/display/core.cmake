# The texts of the chart and synastry windows (captions and list items) and the drawings of the chart
# and synastry wheels, plain C++; orvanel-calc and the report draw the wheels too.
target_sources(orvanel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/chart_wheel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/synastry_wheel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/chart_texts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cross_aspect_texts.cpp)
