# vantrel_add_test(<name> SOURCES <files...> [LIBRARIES <libs...>] [XVFB])
# Builds one Qt Test program and registers it with CTest. XVFB runs it under
# xvfb-run for suites that need a real X server.
find_package(Qt5 5.15 REQUIRED COMPONENTS Test)

function(vantrel_add_test name)
    cmake_parse_arguments(ARG "XVFB" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBRARIES})
    # Video output needs a real X server; everything else runs offscreen.
    if(ARG_XVFB)
        add_test(NAME ${name} COMMAND xvfb-run -a $<TARGET_FILE:${name}>)
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb")
    else()
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
endfunction()
