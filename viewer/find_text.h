#pragma once

// The first occurrence of `pattern` in `text`, or null. In a double-byte code page a match starts
// only at a character's first byte.
const char *FindText(const char *text, const char *pattern);
