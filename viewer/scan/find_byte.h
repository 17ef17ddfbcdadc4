#pragma once
#include <cstddef>

// The index of the first `byte` among the `length` bytes at `text`, or `length` when there is none.
size_t FindByte(const char *text, size_t length, char byte);
