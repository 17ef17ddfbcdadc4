#pragma once
// What a host's GetBodyText and GetHeaderText do with their text, for the stand-in hosts.
#include <cstddef>
#include <cstring>

#include "platform/windows_api.h"

// Copies as much of the `length` bytes of `text` as fits into `size` bytes at `buffer` with a
// terminator; the count of bytes written before it.
inline int CopyText(const char *text, size_t length, DWORD size, char *buffer) {
    if (size == 0 || buffer == nullptr) {
        return 0;
    }
    const size_t kept = length < size - 1 ? length : size - 1;
    std::memcpy(buffer, text, kept);
    buffer[kept] = '\0';
    return static_cast<int>(kept);
}
