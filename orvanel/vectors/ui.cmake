# The vectors windows of one and of two subjects, with the plane they share.
target_sources(orvanel_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/plane_session.cpp
    ${CMAKE_CURRENT_LIST_DIR}/plane_controls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form7_vectors.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form8_vectors_two.cpp
    ${CMAKE_CURRENT_LIST_DIR}/vectors_windows.cpp)
list(APPEND ORVANEL_WINDOW_INSTALLERS InstallVectorsWindows)
