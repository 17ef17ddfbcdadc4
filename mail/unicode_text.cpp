#include "mail/unicode_text.h"

#include "platform/text_encoding.h"

namespace {

// The code point of a well-formed UTF-8 sequence of `length` bytes.
char32_t CodePointOf(const unsigned char *bytes, size_t length) {
    static const unsigned char LeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t c = bytes[0] & LeadBits[length];
    for (size_t i = 1; i < length; ++i) {
        c = c << 6 | (bytes[i] & 0x3Fu);
    }
    return c;
}

} // namespace

size_t AppendUtf8Text(const std::string &bytes, WideText &wide) {
    size_t unreadable = 0;
    const auto *at = reinterpret_cast<const unsigned char *>(bytes.data());
    for (size_t i = 0; i < bytes.size();) {
        bool wellFormed = false;
        const size_t length = Utf8SequenceLength(bytes.data() + i, bytes.size() - i, wellFormed);
        if (wellFormed) {
            AppendCodePoint(CodePointOf(at + i, length), wide);
        } else {
            wide += ReplacementCharacter;
            ++unreadable;
        }
        i += length;
    }
    return unreadable;
}

size_t AppendUtf16Text(const std::string &bytes, bool bigEndian, WideText &wide) {
    const auto unitAt = [&bytes, bigEndian](size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? unsigned{first} << 8 | second : unsigned{second} << 8 | first;
    };
    size_t unreadable = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned unit = unitAt(i);
        const bool paired =
            IsHighSurrogate(unit) && i + 3 < bytes.size() && IsLowSurrogate(unitAt(i + 2));
        if (paired) {
            wide += static_cast<WCHAR>(unit);
            wide += static_cast<WCHAR>(unitAt(i + 2));
            i += 2;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            wide += ReplacementCharacter;
            ++unreadable;
        } else {
            wide += static_cast<WCHAR>(unit);
        }
    }
    if (bytes.size() % 2 != 0) {
        wide += ReplacementCharacter;
        ++unreadable;
    }
    return unreadable;
}

void AppendUserDefinedText(const std::string &bytes, WideText &wide) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        wide += static_cast<WCHAR>(byte < 0x80 ? byte : 0xF780 + (byte - 0x80u));
    }
}

std::string Utf8FromWide(const WideText &wide) {
    std::string utf8;
    for (size_t i = 0; i < wide.size(); ++i) {
        char32_t c = wide[i];
        if (IsHighSurrogate(c) && i + 1 < wide.size() && IsLowSurrogate(wide[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00u);
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            c = ReplacementCharacter;
        }
        char bytes[4];
        utf8.append(bytes, EncodeUtf8(c, bytes));
    }
    return utf8;
}
