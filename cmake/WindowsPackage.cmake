# The Windows folder: the programs with every DLL they load, Qt's plugins and the runtime files,
# all in one folder that runs from anywhere. scripts/windows zips it and builds the installer.

find_package(Qt6 REQUIRED COMPONENTS Gui Widgets PrintSupport)

# The MinGW runtime the compiler links against.
set(mingw_runtime)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT EXISTS "${path}")
        message(FATAL_ERROR "The MinGW runtime ${dll} was not found")
    endif()
    list(APPEND mingw_runtime ${path})
endforeach()
install(FILES ${mingw_runtime} DESTINATION .)

install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
    $<TARGET_FILE:Qt6::PrintSupport> DESTINATION .)
# Plugins in the folders Qt looks for beside the program (qt.conf says so): the platform, the
# native look, and .ico for a replaced title icon.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
if(TARGET Qt6::QWindowsVistaStylePlugin)
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
endif()
install(FILES $<TARGET_FILE:Qt6::QICOPlugin> DESTINATION imageformats)
install(FILES ${PROJECT_SOURCE_DIR}/res/windows/qt.conf DESTINATION .)
# Qt's own texts (OK, Cancel, the print dialog) in Chinese: the .qm files are the same on every
# system, so the build machine's serve.
foreach(pack qtbase_zh_CN.qm)
    if(EXISTS /usr/share/qt6/translations/${pack})
        install(FILES /usr/share/qt6/translations/${pack} DESTINATION translations)
    endif()
endforeach()
