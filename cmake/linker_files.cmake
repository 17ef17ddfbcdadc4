# linker_file(<template> <output> [LEAVE_OUT FIRST|LAST]) makes a linker file (.def, version
# script, dynamic list) at build time from its template, which expands one of the lists of
# functions (plugin/entry_point_list.h, host/host_function_list.h): a change to a list reaches every
# file made from it. A target that links with the file lists it among its sources.
function(linker_file template output)
    cmake_parse_arguments(LINKER_FILE "" "LEAVE_OUT" "" ${ARGN})
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -DCOMPILER=${CMAKE_CXX_COMPILER} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                -DTEMPLATE=${template} -DOUTPUT=${output} -DLEAVE_OUT=${LINKER_FILE_LEAVE_OUT}
                -P ${PROJECT_SOURCE_DIR}/cmake/make_linker_file.cmake
        DEPENDS ${template} ${PROJECT_SOURCE_DIR}/cmake/make_linker_file.cmake
                ${PROJECT_SOURCE_DIR}/cmake/linker_files.h
                ${PROJECT_SOURCE_DIR}/plugin/entry_point_list.h
                ${PROJECT_SOURCE_DIR}/host/host_function_list.h
        COMMENT "Making ${output} from its list"
        VERBATIM)
endfunction()

# windows_host_exports(<target> [LEAVE_OUT FIRST|LAST]): the Windows program `target` exports the
# host functions as a mail client does (tests/wine/host.def.in), all of them or all but one.
function(windows_host_exports target)
    cmake_parse_arguments(HOST "" "LEAVE_OUT" "" ${ARGN})
    set(def ${CMAKE_CURRENT_BINARY_DIR}/${target}.def)
    linker_file(${PROJECT_SOURCE_DIR}/tests/wine/host.def.in ${def} LEAVE_OUT ${HOST_LEAVE_OUT})
    # Listed as a source so that it is made before the link; the linker takes it as an input file,
    # which CMake passes on for a DLL but not for a program.
    target_sources(${target} PRIVATE ${def})
    target_link_options(${target} PRIVATE ${def})
    set_target_properties(${target} PROPERTIES LINK_DEPENDS ${def})
endfunction()
