# Cross-build for 32-bit Windows with mingw-w64: the DLL that ships.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
# SSE2 is the baseline the vector scans rely on. A host may call in with a stack aligned to four
# bytes only, so functions that keep vectors on the stack realign it themselves.
set(CMAKE_C_FLAGS_INIT "-msse2 -mstackrealign")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mstackrealign")
