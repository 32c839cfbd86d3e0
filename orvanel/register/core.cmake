# The register of subjects in plain C++: the SQLite file and its changes, the name key, the search,
# and the CSV and JSON files of import and export. The window is added by ui.cmake.
find_package(SQLite3 REQUIRED)
target_link_libraries(orvanel_core PUBLIC SQLite::SQLite3 json_text)
target_sources(orvanel_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/clock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/csv_records.cpp
    ${CMAKE_CURRENT_LIST_DIR}/name_key.cpp
    ${CMAKE_CURRENT_LIST_DIR}/name_key_table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parsed_subjects.cpp
    ${CMAKE_CURRENT_LIST_DIR}/register_fault.cpp
    ${CMAKE_CURRENT_LIST_DIR}/register_schema.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sqlite_db.cpp
    ${CMAKE_CURRENT_LIST_DIR}/subject.cpp
    ${CMAKE_CURRENT_LIST_DIR}/subject_csv.cpp
    ${CMAKE_CURRENT_LIST_DIR}/subject_files.cpp
    ${CMAKE_CURRENT_LIST_DIR}/subject_json.cpp
    ${CMAKE_CURRENT_LIST_DIR}/subject_loading.cpp
    ${CMAKE_CURRENT_LIST_DIR}/subject_register.cpp
    ${CMAKE_CURRENT_LIST_DIR}/subject_search.cpp)
