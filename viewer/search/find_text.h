#pragma once
#include <cstddef>

// Searches among the `length` bytes of a text that holds no NUL and is followed by its
// terminator; nothing past the `length` bytes is read.

// The first occurrence of `pattern`, or null: a plain byte search, blind to characters.
const char *FindPlainText(const char *text, size_t length, const char *pattern);

// The first occurrence of `pattern`, or null. In a double-byte code page a match starts only at a
// character's first byte, and an empty text holds no match at all; otherwise as FindPlainText.
const char *FindText(const char *text, size_t length, const char *pattern);
