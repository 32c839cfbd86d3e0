# The texts of the chart and synastry windows (captions and list items), plain C++.
target_sources(orvanel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/chart_texts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cross_aspect_texts.cpp)
