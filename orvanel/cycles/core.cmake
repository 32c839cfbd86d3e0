# The values of the cycle plots and the coincidence report, plain C++; the cycles window is added by
# a ui.cmake of its own.
target_sources(orvanel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/central_date.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cycle_plot.cpp
    ${CMAKE_CURRENT_LIST_DIR}/coincidence_report.cpp)
