# The cycles window and the entries that open it.
target_sources(orvanel_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/cycles_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form9_cycles.cpp)
list(APPEND ORVANEL_WINDOW_INSTALLERS InstallCyclesWindow)
