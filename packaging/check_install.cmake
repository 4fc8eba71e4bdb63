# Installs the build into a scratch prefix and checks that a desktop finds everything it needs.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/orvelle
    share/applications/org.example.Orvelle.desktop
    share/metainfo/org.example.Orvelle.metainfo.xml
    share/icons/hicolor/scalable/apps/orvelle.svg
    share/icons/hicolor/48x48/apps/orvelle.png
    share/icons/hicolor/256x256/apps/orvelle.png)
foreach(path ${expected})
    if(NOT EXISTS ${PREFIX}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

# The demo and the tests are for this tree only.
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
foreach(path ${installed})
    if(path MATCHES "demo|test")
        message(FATAL_ERROR "installed but not meant to be: ${path}")
    endif()
endforeach()
