# vantrel_add_test(<name> SOURCES <files...> [LIBRARIES <libs...>] [XVFB])
# Builds one Qt Test program and registers it with CTest. XVFB runs it under
# xvfb-run for suites that need a real X server (video, the web engine).
find_package(Qt5 5.15 REQUIRED COMPONENTS Test)

function(vantrel_add_test name)
    cmake_parse_arguments(ARG "XVFB" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBRARIES})
    # Video output and the map's web engine need a real X server; everything
    # else runs offscreen. The web engine's sandbox refuses to run as root,
    # which CI machines are.
    if(ARG_XVFB)
        add_test(NAME ${name} COMMAND xvfb-run -a $<TARGET_FILE:${name}>)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb;QTWEBENGINE_DISABLE_SANDBOX=1")
    else()
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1")
    endif()
endfunction()
