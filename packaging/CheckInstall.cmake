# Installs the build BUILD into a fresh prefix PREFIX and checks that every file of the
# desktop installation is there and that the desktop entry and the MIME type agree.
# Run by ctest as install_tree.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(installed
        bin/velmora bin/velmora-sim bin/Velmora7Manual.pdf
        share/applications/velmora.desktop
        share/icons/hicolor/scalable/apps/velmora.svg
        share/mime/packages/velmora.xml)
    if(NOT EXISTS ${PREFIX}/${installed})
        message(FATAL_ERROR "not installed: ${installed}")
    endif()
endforeach()
file(READ ${PREFIX}/share/applications/velmora.desktop entry)
file(READ ${PREFIX}/share/mime/packages/velmora.xml mime)
if(NOT entry MATCHES "\nExec=velmora %f\n" OR NOT entry MATCHES "\nIcon=velmora\n")
    message(FATAL_ERROR "the desktop entry does not start velmora with its icon")
endif()
if(NOT entry MATCHES "\nMimeType=application/x-velmora-project;\n"
   OR NOT mime MATCHES "type=\"application/x-velmora-project\""
   OR NOT mime MATCHES "pattern=\"\\*\\.vmx\"")
    message(FATAL_ERROR "the desktop entry and the MIME type of *.vmx do not agree")
endif()
file(REMOVE_RECURSE ${PREFIX})
