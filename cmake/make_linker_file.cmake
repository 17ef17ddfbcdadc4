# Run with cmake -P: writes the linker file OUTPUT from its TEMPLATE through the preprocessor of
# COMPILER, with the sources at SOURCE_DIR on the include path. Each DOVRINK_LISTED of the
# expansion starts a line of its own, DOVRINK_TAIL the lines after them; LEAVE_OUT (FIRST or
# LAST) drops the first or the last listed line, for the hosts that lack an export. Only string
# operations: the text holds semicolons, which CMake's lists would split at.
execute_process(COMMAND ${COMPILER} -E -P -x c++ -I${SOURCE_DIR} ${TEMPLATE}
                OUTPUT_VARIABLE text ERROR_VARIABLE errors RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${TEMPLATE}: ${errors}")
endif()

set(tail "")
string(FIND "${text}" "DOVRINK_TAIL" at)
if(NOT at EQUAL -1)
    string(SUBSTRING "${text}" ${at} -1 tail)
    string(SUBSTRING "${text}" 0 ${at} text)
endif()

if(LEAVE_OUT STREQUAL "FIRST")
    string(FIND "${text}" "DOVRINK_LISTED" first)
    math(EXPR after "${first} + 1")
    string(SUBSTRING "${text}" ${after} -1 rest)
    string(FIND "${rest}" "DOVRINK_LISTED" second)
    math(EXPR second "${second} + ${after}")
    string(SUBSTRING "${text}" 0 ${first} head)
    string(SUBSTRING "${text}" ${second} -1 rest)
    set(text "${head}${rest}")
elseif(LEAVE_OUT STREQUAL "LAST")
    string(FIND "${text}" "DOVRINK_LISTED" last REVERSE)
    string(SUBSTRING "${text}" 0 ${last} text)
endif()

set(text "${text}${tail}")
string(REGEX REPLACE "[ \t]*DOVRINK_LISTED[ \t]*" "\n    " text "${text}")
string(REGEX REPLACE "[ \t]*DOVRINK_TAIL[ \t]*" "\n" text "${text}")
string(REGEX REPLACE "[ \t]+\n" "\n" text "${text}")
string(REGEX REPLACE "\n\n+" "\n" text "${text}")
string(STRIP "${text}" text)
file(WRITE ${OUTPUT} "${text}\n")
