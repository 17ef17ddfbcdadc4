#include "diagnosis/quoted_value.h"

#include <cstdio>

#include "platform/ansi_text.h"
#include "platform/text_encoding.h"

std::string QuotedValue(const std::string &utf8) {
    std::string shown = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (c == '"' || c == '\\') {
            shown += '\\';
            shown += c;
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

std::string Quoted(const std::string &ansi) { return QuotedValue(Utf8OfAnsi(ansi)); }

std::string CharacterAndCode(long codePoint) {
    char character[4];
    const size_t length = EncodeUtf8(static_cast<char32_t>(codePoint), character);
    char code[16];
    std::snprintf(code, sizeof code, "U+%04lX", static_cast<unsigned long>(codePoint));
    return std::string(character, length) + " (" + code + ")";
}

std::string CodePageName(unsigned codePage) {
    return std::to_string(codePage) + (codePage == 932 ? " (Shift_JIS)" : "");
}
