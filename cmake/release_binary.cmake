# The Windows binaries as readers get them, dovrink.dll and dovrink-check.exe alike: their objects
# in sections of their own so that the link drops what nothing uses, with no build path in them;
# the C and C++ runtimes linked in, so that only system DLLs are imported; no link time in the PE
# header; stripped in Release. The same commit gives the same bytes wherever it is built.

# Compiles each target's objects for such a binary.
function(release_objects)
    foreach(target ${ARGN})
        target_compile_options(${target} PRIVATE -ffunction-sections -fdata-sections
                               -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
                               -ffile-prefix-map=${PROJECT_BINARY_DIR}/=)
    endforeach()
endfunction()

# Links the binary so.
function(release_link target)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++
                        -Wl,--gc-sections -Wl,--no-insert-timestamp $<$<CONFIG:Release>:-s>)
endfunction()
