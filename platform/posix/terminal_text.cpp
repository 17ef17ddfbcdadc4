#include "platform/posix/terminal_text.h"

#include <cstdio>

std::string TerminalSafe(const std::string &utf8) {
    std::string safe;
    safe.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        char escape[8];
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F) {
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            safe += escape;
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            std::snprintf(escape, sizeof escape, "\\u%04X", next);
            safe += escape;
            ++i;
        } else {
            safe += utf8[i];
        }
    }
    return safe;
}
