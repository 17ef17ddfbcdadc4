// GetPrivateProfileStringA and GetPrivateProfileIntA with Windows' rules, as Wine reproduces them.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/posix/code_page.h"
#include "platform/posix/profile_file.h"
#include "platform/posix/windows_api.h"
#include "platform/posix/windows_path.h"
#include "platform/profile_text.h"

namespace {

// Windows drops trailing spaces (not tabs) from the default.
std::string WithoutTrailingSpaces(const char *text) {
    std::string kept = text != nullptr ? text : "";
    kept.erase(kept.find_last_not_of(' ') + 1);
    return kept;
}

// At most `limit` bytes of the text, never half of a double-byte character.
size_t WholeCharacters(const char *text, size_t limit) {
    size_t kept = 0;
    while (kept < limit) {
        const size_t step =
            IsAnsiLeadByte(static_cast<unsigned char>(text[kept])) && text[kept + 1] ? 2 : 1;
        if (kept + step > limit) {
            break;
        }
        kept += step;
    }
    return kept;
}

DWORD CopyCut(const char *text, size_t length, LPSTR returned, DWORD size) {
    const size_t kept = WholeCharacters(text, std::min<size_t>(length, size - 1));
    std::memcpy(returned, text, kept);
    returned[kept] = '\0';
    return static_cast<DWORD>(kept);
}

// A value in matching single or double quotes loses them. As on Windows, the closing quote is
// dropped only when the quoted text fits the buffer, so a text that fills it exactly loses its
// last character instead.
DWORD CopyValue(const char *value, LPSTR returned, DWORD size) {
    size_t length = std::strlen(value);
    const bool quoted =
        length >= 2 && (value[0] == '"' || value[0] == '\'') && value[length - 1] == value[0];
    if (!quoted) {
        return CopyCut(value, length, returned, size);
    }
    ++value;
    --length;
    size_t kept = std::min<size_t>(length, size - 1);
    if (size >= length && kept > 0) {
        --kept;
    }
    return CopyCut(value, kept, returned, size);
}

// Windows reads the number as the system's string-to-integer routine does with base 0: blanks
// and control characters, a sign, a "0x", "0o" or "0b" prefix, then digits up to the first
// other character; it wraps around on overflow.
UINT ParseProfileInteger(const char *text) {
    while (*text != '\0' && static_cast<unsigned char>(*text) <= ' ') {
        ++text;
    }
    const bool negative = *text == '-';
    if (*text == '+' || *text == '-') {
        ++text;
    }
    UINT base = 10;
    if (text[0] == '0' && (text[1] == 'x' || text[1] == 'o' || text[1] == 'b')) {
        base = text[1] == 'x' ? 16 : text[1] == 'o' ? 8 : 2;
        text += 2;
    }
    UINT total = 0;
    for (;; ++text) {
        const char c = *text;
        const UINT digit = c >= '0' && c <= '9'   ? static_cast<UINT>(c - '0')
                           : c >= 'a' && c <= 'z' ? static_cast<UINT>(c - 'a' + 10)
                           : c >= 'A' && c <= 'Z' ? static_cast<UINT>(c - 'A' + 10)
                                                  : base;
        if (digit >= base) {
            break;
        }
        total = total * base + digit;
    }
    return negative ? 0U - total : total;
}

} // namespace

DWORD GetPrivateProfileStringA(LPCSTR appName, LPCSTR keyName, LPCSTR fallback, LPSTR returned,
                               DWORD size, LPCSTR fileName) {
    if (returned == nullptr || size == 0) {
        return 0;
    }
    try {
        std::string value = WithoutTrailingSpaces(fallback);
        std::string text;
        ProfileEntry entry{};
        // Listing section or key names (a null name) is not stood in for: the core never asks.
        const bool readable = appName != nullptr && keyName != nullptr && fileName != nullptr &&
                              NamesFolder(fileName) && ReadProfileText(PosixPath(fileName), text);
        if (readable && FindProfileEntry(text.data(), text.size(), appName, keyName, entry) &&
            entry.HasValue) {
            value = ProfileValueInAnsi(std::string(entry.Value, entry.ValueLength));
        }
        // The default, too, loses its quotes.
        return CopyValue(value.c_str(), returned, size);
    } catch (...) {
        returned[0] = '\0';
        return 0;
    }
}

UINT GetPrivateProfileIntA(LPCSTR appName, LPCSTR keyName, int fallback, LPCSTR fileName) {
    // Windows reads the value into a buffer of 30 characters first.
    char text[30];
    if (GetPrivateProfileStringA(appName, keyName, "", text, sizeof text, fileName) == 0) {
        return static_cast<UINT>(fallback);
    }
    return ParseProfileInteger(text);
}
