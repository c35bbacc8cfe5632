# "cmake --install" lays out the portable program folder where the librarian keeps it: ./run.sh
# installs into Lettoria/ at the project root, the Windows script into its package. The executable
# and the shipped files are replaced; the archives beside them are never touched, and a password
# file already there is kept, since the librarian may have changed the password.

# Where the guide and the default password file come from: this build's program folder, or, for a
# Windows build, the program folder of a Linux build.
set(LETTORIA_SHIPPED_DIR ${LETTORIA_DIR} CACHE PATH "Folder holding Guida.pdf and unins000.dll")

install(TARGETS Lettoria RUNTIME DESTINATION .)
install(FILES ${LETTORIA_SHIPPED_DIR}/Guida.pdf DESTINATION .)
install(CODE "
    if(NOT EXISTS \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/unins000.dll\")
        file(INSTALL \"${LETTORIA_SHIPPED_DIR}/unins000.dll\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}\")
    endif()")

if(WIN32)
    # Windows has no Qt: the folder carries the libraries and plugins the program loads (printing
    # on Windows is inside Qt6PrintSupport.dll), the MinGW runtime they were built with, and Qt's
    # Italian texts. Fonts are the system's.
    install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        $<TARGET_FILE:Qt6::PrintSupport> DESTINATION .)
    install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
    install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> DESTINATION imageformats)
    install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
    foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
            OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
            message(FATAL_ERROR "${runtime} not found by ${CMAKE_CXX_COMPILER}")
        endif()
        install(FILES ${runtime_path} DESTINATION .)
    endforeach()
    install(FILES ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_it.qm DESTINATION translations)
endif()
