#pragma once
// The C heap functions as a program linked with
// -Wl,--wrap=malloc,--wrap=calloc,--wrap=realloc,--wrap=free sees them: the code it links calls
// the __wrap_ functions, which the program defines, and they reach the C runtime's through the
// __real_ ones.
#include <cstddef>

extern "C" {
void *__real_malloc(size_t size);
void *__real_calloc(size_t count, size_t size);
void *__real_realloc(void *block, size_t size);
void __real_free(void *block);
void *__wrap_malloc(size_t size);
void *__wrap_calloc(size_t count, size_t size);
void *__wrap_realloc(void *block, size_t size);
void __wrap_free(void *block);
}
