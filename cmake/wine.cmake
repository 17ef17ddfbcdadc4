# Running the Windows build's tests under Wine: one prefix inside the build tree, made once before
# the tests and shared by them, so the Wine tests run one at a time. Every test that needs Wine
# has the label "wine".
set(DOVRINK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
# Debian's `wine` starts 32-bit programs only where the machine can run them; the 64-bit loader
# is not on the PATH. Scripts take the loader from WINE.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(DOVRINK_WINE wine)
else()
    set(DOVRINK_WINE /usr/lib/wine/wine64)
endif()
set(DOVRINK_WINE_ENVIRONMENT "WINE=${DOVRINK_WINE}" "WINEPREFIX=${DOVRINK_WINEPREFIX}"
                             "WINEDEBUG=-all" "WINEDLLOVERRIDES=mscoree,mshtml=")

add_test(NAME wine_prefix COMMAND ${PROJECT_SOURCE_DIR}/tests/wine/make-prefix.sh)
set_tests_properties(wine_prefix PROPERTIES ENVIRONMENT "${DOVRINK_WINE_ENVIRONMENT}"
                                            FIXTURES_SETUP wine LABELS wine)
# Wine's server lingers after its last program; wait for it rather than kill it.
add_test(NAME wine_server_exit COMMAND wineserver -w)
set_tests_properties(wine_server_exit PROPERTIES ENVIRONMENT "${DOVRINK_WINE_ENVIRONMENT}"
                                                 FIXTURES_CLEANUP wine LABELS wine)

# add_wine_test(NAME <name> COMMAND <program> [args...] [ENVIRONMENT <var=value>...])
# runs a Windows program of the build under Wine with a virtual display, from the bin folder.
function(add_wine_test)
    cmake_parse_arguments(WINE_TEST "" "NAME" "COMMAND;ENVIRONMENT" ${ARGN})
    add_test(NAME ${WINE_TEST_NAME} COMMAND xvfb-run -a ${DOVRINK_WINE} ${WINE_TEST_COMMAND}
             WORKING_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    set_tests_properties(${WINE_TEST_NAME} PROPERTIES
                         ENVIRONMENT "${DOVRINK_WINE_ENVIRONMENT};${WINE_TEST_ENVIRONMENT}"
                         FIXTURES_REQUIRED wine RUN_SERIAL ON LABELS wine)
endfunction()
