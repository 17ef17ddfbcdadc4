#include "mail/transfer_encoding.h"
#include "mail/white_space.h"

namespace {

// The six bits of a base64 character, or -1 for any other.
int SextetOf(char c) {
    if (c >= 'A' && c <= 'Z') {
        return c - 'A';
    }
    if (c >= 'a' && c <= 'z') {
        return c - 'a' + 26;
    }
    if (c >= '0' && c <= '9') {
        return c - '0' + 52;
    }
    return c == '+' ? 62 : c == '/' ? 63 : -1;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// The length of the line break at `at`, or 0.
size_t LineBreakAt(const std::string &text, size_t at) {
    if (at < text.size() && text[at] == '\n') {
        return 1;
    }
    return at + 1 < text.size() && text[at] == '\r' && text[at + 1] == '\n' ? 2 : 0;
}

} // namespace

std::string DecodeBase64(const std::string &text) {
    std::string bytes;
    bytes.reserve(text.size() / 4 * 3 + 2);
    unsigned bits = 0;
    int held = 0; // bits held in `bits`
    for (const char c : text) {
        if (c == '=') {
            // The group's complete bytes were written as they came; what is left is padding.
            bits = 0;
            held = 0;
            continue;
        }
        const int sextet = SextetOf(c);
        if (sextet < 0) {
            continue;
        }
        bits = (bits << 6 | static_cast<unsigned>(sextet)) & 0xFFFFFF;
        held += 6;
        if (held >= 8) {
            held -= 8;
            bytes += static_cast<char>(bits >> held & 0xFF);
        }
    }
    return bytes;
}

std::string DecodeQuotedPrintable(const std::string &text) {
    std::string bytes;
    bytes.reserve(text.size());
    size_t blanks = 0; // blanks as written at the end of what is decoded so far
    for (size_t at = 0; at < text.size();) {
        if (const size_t lineBreak = LineBreakAt(text, at)) {
            bytes.resize(bytes.size() - blanks);
            bytes.append(text, at, lineBreak);
            at += lineBreak;
            blanks = 0;
            continue;
        }
        if (text[at] != '=') {
            blanks = IsWhiteSpace(text[at]) ? blanks + 1 : 0;
            bytes += text[at++];
            continue;
        }
        blanks = 0;
        size_t after = at + 1;
        while (after < text.size() && IsWhiteSpace(text[after])) {
            ++after;
        }
        if (after == text.size()) {
            // "=" at the very end joins the text to nothing.
            break;
        }
        if (const size_t softBreak = LineBreakAt(text, after)) {
            at = after + softBreak;
            continue;
        }
        const int high = at + 1 < text.size() ? HexValue(text[at + 1]) : -1;
        const int low = at + 2 < text.size() ? HexValue(text[at + 2]) : -1;
        if (high >= 0 && low >= 0) {
            bytes += static_cast<char>(high << 4 | low);
            at += 3;
        } else {
            bytes += text[at++];
        }
    }
    return bytes;
}

namespace {

// The six bits of a uuencoded character; the grave accent stands for the space.
unsigned UuSextet(char c) { return static_cast<unsigned>(c - ' ') & 0x3F; }

// The bytes of one uuencoded line: as many as its first character says, as far as it goes.
void DecodeUuLine(const std::string &text, size_t at, size_t end, std::string &bytes) {
    size_t count = UuSextet(text[at]);
    for (size_t group = at + 1; count > 0 && group < end; group += 4) {
        unsigned bits = 0;
        for (size_t i = 0; i < 4; ++i) {
            bits = bits << 6 | (group + i < end ? UuSextet(text[group + i]) : 0);
        }
        for (int shift = 16; shift >= 0 && count > 0; shift -= 8, --count) {
            bytes += static_cast<char>(bits >> shift & 0xFF);
        }
    }
}

} // namespace

std::string DecodeUuencode(const std::string &text) {
    std::string bytes;
    bool begun = false;
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end;
        const size_t next = end == text.size() ? end : end + 1;
        end = end > at && text[end - 1] == '\r' ? end - 1 : end;
        if (!begun) {
            begun = text.compare(at, 6, "begin ") == 0;
        } else if (text.compare(at, 3, "end") == 0 && end - at == 3) {
            break;
        } else if (end > at) {
            DecodeUuLine(text, at, end, bytes);
        }
        at = next;
    }
    return bytes;
}

std::string TransferEncodingOf(const std::string &value) {
    std::string name;
    for (const char c : value) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            name += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
    }
    if (name == "7-bit" || name == "8-bit") {
        return name.substr(0, 1) + "bit";
    }
    if (name == "uuencode" || name == "x-uue") {
        return "x-uuencode";
    }
    for (const char *known : {"8bit", "binary", "base64", "quoted-printable", "x-uuencode"}) {
        if (name == known) {
            return name;
        }
    }
    return "7bit";
}

std::string DecodeTransfer(const std::string &bytes, const std::string &encoding) {
    if (encoding == "base64") {
        return DecodeBase64(bytes);
    }
    if (encoding == "quoted-printable") {
        return DecodeQuotedPrintable(bytes);
    }
    return encoding == "x-uuencode" ? DecodeUuencode(bytes) : bytes;
}
