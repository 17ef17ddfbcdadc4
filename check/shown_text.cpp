#include "check/shown_text.h"

#include <cstdio>
#include <vector>

#include "platform/windows_api.h"

std::string Utf8OfAnsi(const char *ansi, size_t length) {
    if (length == 0) {
        return {};
    }
    const int size = static_cast<int>(length);
    const int units = MultiByteToWideChar(CP_ACP, 0, ansi, size, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(units > 0 ? units : 1));
    MultiByteToWideChar(CP_ACP, 0, ansi, size, wide.data(), units);
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, &utf8[0], bytes, nullptr, nullptr);
    return utf8;
}

std::string Utf8OfAnsi(const std::string &ansi) { return Utf8OfAnsi(ansi.data(), ansi.size()); }

std::string Quoted(const char *ansi) {
    std::string shown = "\"";
    for (const char c : Utf8OfAnsi(std::string(ansi))) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            shown += code;
        } else {
            shown += c;
        }
    }
    return shown + "\"";
}

std::string CodePageName(unsigned codePage) {
    return std::to_string(codePage) + (codePage == 932 ? " (Shift_JIS)" : "");
}

std::string CharacterOf(long codePoint) {
    WCHAR units[2];
    int count = 1;
    if (codePoint >= 0x10000) {
        units[0] = static_cast<WCHAR>(0xD800 + ((codePoint - 0x10000) >> 10));
        units[1] = static_cast<WCHAR>(0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        count = 2;
    } else {
        units[0] = static_cast<WCHAR>(codePoint);
    }
    char utf8[8];
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, units, count, utf8, sizeof utf8, nullptr, nullptr);
    return std::string(utf8, static_cast<size_t>(bytes > 0 ? bytes : 0));
}

std::string CodePointName(long codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04lX", static_cast<unsigned long>(codePoint));
    return name;
}
