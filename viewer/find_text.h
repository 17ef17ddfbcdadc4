#pragma once
#include <cstddef>

// The first occurrence of `pattern` among the `length` bytes of `text`, or null. The text holds no
// NUL and is followed by its terminator; nothing past the `length` bytes is read.

// A plain byte search.
const char *FindBytes(const char *text, size_t length, const char *pattern);

// In a double-byte code page a match starts only at a character's first byte, and an empty text
// holds no match at all; otherwise the same as FindBytes.
const char *FindText(const char *text, size_t length, const char *pattern);
