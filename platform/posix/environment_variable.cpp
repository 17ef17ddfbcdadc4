#include <cstdlib>
#include <cstring>

#include "platform/posix/windows_api.h"

DWORD GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size) {
    const char *value = std::getenv(name);
    if (value == nullptr) {
        return 0;
    }
    const size_t length = std::strlen(value);
    if (buffer == nullptr || length >= size) {
        return static_cast<DWORD>(length + 1);
    }
    std::memcpy(buffer, value, length + 1);
    return static_cast<DWORD>(length);
}
