# Cross-build for 64-bit Windows with mingw-w64. Not what ships: what 64-bit Wine can load where
# the machine cannot run 32-bit programs, so that the Windows tests still run there.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
