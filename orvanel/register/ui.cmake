# The window "Sujetos guardados" and its list.
target_sources(orvanel_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/form_subjects.cpp
    ${CMAKE_CURRENT_LIST_DIR}/subject_list_model.cpp
    ${CMAKE_CURRENT_LIST_DIR}/subjects_window.cpp)
list(APPEND ORVANEL_WINDOW_INSTALLERS InstallSubjectsWindow)
