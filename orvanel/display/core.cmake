# The texts of the chart and synastry windows (captions and list items) and the chart wheel drawing,
# plain C++; orvanel-calc draws the wheel too.
target_sources(orvanel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/chart_wheel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/synastry_wheel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/chart_texts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cross_aspect_texts.cpp)
