# The shell's windows (splash, main menu, the working-window frame), the navigation between all
# windows, the start-up and the date entry; and the program itself.
target_sources(orvanel_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/date_entry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/fault_guard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form1_splash.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form2_main_menu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/form_controls.cpp
    ${CMAKE_CURRENT_LIST_DIR}/label_menu.cpp
    ${CMAKE_CURRENT_LIST_DIR}/session.cpp
    ${CMAKE_CURRENT_LIST_DIR}/windows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/menu_rows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/working_window.cpp)

# Windows added by other parts: their ui.cmake (included before this one) appends to
# ORVANEL_WINDOW_INSTALLERS the name of a function `void Name(orvanel::Windows&)` in namespace orvanel
# that registers their windows and openers; Windows' constructor calls each one.
set(installer_declarations "")
set(installer_calls "")
foreach(installer IN LISTS ORVANEL_WINDOW_INSTALLERS)
    string(APPEND installer_declarations "void ${installer}(Windows& windows);\n")
    string(APPEND installer_calls "    ${installer}(windows);\n")
endforeach()
configure_file(${CMAKE_CURRENT_LIST_DIR}/later_windows.cpp.in ${CMAKE_CURRENT_BINARY_DIR}/later_windows.cpp @ONLY)
target_sources(orvanel_ui PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/later_windows.cpp)

add_executable(orvanel ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
target_link_libraries(orvanel PRIVATE project_options orvanel_ui)
set_target_properties(orvanel PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/shell)
install(TARGETS orvanel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
