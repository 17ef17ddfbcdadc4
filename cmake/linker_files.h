/* For the templates of the linker files (*.in), which cmake/make_linker_file.cmake runs through the
   preprocessor. In what a template expands to, DOVRINK_LISTED starts a line made from a list and
   DOVRINK_TAIL starts what follows the list; the script makes lines of them. */
#pragma once

/* A 32-bit __stdcall symbol carries the bytes of its arguments; 64-bit Windows has no such
   decoration. The formatter would part the name from its decoration. */
/* clang-format off */
#if defined(_WIN64)
#define DOVRINK_DECORATED(name, bytes) name
#else
#define DOVRINK_DECORATED(name, bytes) name@bytes
#endif
/* clang-format on */
