#pragma once
// Windows paths in the ANSI code page, taken apart a character at a time: a double-byte
// character's second byte may be 0x5C, the backslash (表 is 95 5C).
#include <cstddef>

// The length of the path's folder part, up to and with its last backslash; 0 when it has none.
size_t FolderPartLength(const char *path, size_t length);
