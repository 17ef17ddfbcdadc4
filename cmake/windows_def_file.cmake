# windows_def_file(<def> <out-var>): the module-definition file to link with. Ours name the
# 32-bit __stdcall symbols (Name@bytes); 64-bit Windows has no such decoration, so there the
# linker gets a copy in the build tree without it.
function(windows_def_file def out)
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(${out} ${def} PARENT_SCOPE)
        return()
    endif()
    file(READ ${def} text)
    string(REGEX REPLACE "([A-Za-z0-9_])@[0-9]+" "\\1" text "${text}")
    file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR} ${def})
    set(copy ${PROJECT_BINARY_DIR}/generated/${relative})
    # Rewritten only when it changes, so a reconfigure does not relink.
    set(old "")
    if(EXISTS ${copy})
        file(READ ${copy} old)
    endif()
    if(NOT old STREQUAL text)
        file(WRITE ${copy} "${text}")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
    set(${out} ${copy} PARENT_SCOPE)
endfunction()
