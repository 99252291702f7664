# The icon, version information and manifest (per-monitor DPI awareness, common controls 6)
# of a Windows executable.
# kind: WINDOWED for a desktop program, CONSOLE for one that keeps its console.
function(radioprog_windows_resources target kind description)
    if(NOT WIN32)
        return()
    endif()
    set(RC_FILE_NAME ${target}.exe)
    set(RC_DESCRIPTION ${description})
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/res/windows/program.rc.in ${rc} @ONLY)
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS
        "${RADIOPROG_BIN_DIR}/title.ico;${PROJECT_SOURCE_DIR}/res/windows/program.manifest")
    target_sources(${target} PRIVATE ${rc})
    add_dependencies(${target} radioprog_picture_files)
    if(kind STREQUAL "WINDOWED")
        set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    endif()
endfunction()
