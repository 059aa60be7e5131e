# The Windows build: a window program (no console window of its own) named
# Fornalina.exe, with its icon and version information; scripts/windows.sh
# zips it with Assets/ and the licences.
enable_language(RC)
set_source_files_properties(${PROJECT_BINARY_DIR}/Fornalina.rc PROPERTIES
    OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/windows/Fornalina.ico)
set(FORNALINA_ICON ${PROJECT_SOURCE_DIR}/windows/Fornalina.ico)
configure_file(${PROJECT_SOURCE_DIR}/windows/Fornalina.rc.in ${PROJECT_BINARY_DIR}/Fornalina.rc @ONLY)
target_sources(fornalina PRIVATE ${PROJECT_BINARY_DIR}/Fornalina.rc)
set_target_properties(fornalina PROPERTIES WIN32_EXECUTABLE ON OUTPUT_NAME Fornalina)

if(FORNALINA_BUILD_TESTS)
    enable_testing()
    add_subdirectory(tests/windows)
endif()
