#include "platform/text_encoding.h"

namespace {

bool InRange(unsigned char byte, unsigned first, unsigned last) {
    return byte >= first && byte <= last;
}

bool IsCp932Lead(unsigned char byte) {
    return InRange(byte, 0x81, 0x9F) || InRange(byte, 0xE0, 0xFC);
}

size_t DoubleByteLength(const unsigned char *at, size_t left) {
    return left > 1 && InRange(at[0], 0x81, 0xFE) && InRange(at[1], 0x40, 0xFE) && at[1] != 0x7F
               ? 2
               : 1;
}

bool StartsWith(const char *bytes, size_t length, const char *mark, size_t markLength) {
    if (length < markLength) {
        return false;
    }
    for (size_t i = 0; i < markLength; ++i) {
        if (bytes[i] != mark[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

size_t Utf8SequenceLength(const char *at, size_t left, bool &wellFormed) {
    const auto *bytes = reinterpret_cast<const unsigned char *>(at);
    const unsigned char lead = bytes[0];
    size_t expected = 0;
    // The second byte's range excludes overlong forms, surrogates and code points past U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        expected = 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        expected = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        expected = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        expected = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    size_t length = 1;
    while (length < expected && length < left && bytes[length] >= (length == 1 ? low : 0x80) &&
           bytes[length] <= (length == 1 ? high : 0xBF)) {
        ++length;
    }
    wellFormed = expected != 0 && length == expected;
    return length;
}

bool IsUtf8BeyondAscii(const char *bytes, size_t length) {
    bool beyondAscii = false;
    for (size_t i = 0; i < length;) {
        bool wellFormed = false;
        const size_t step = Utf8SequenceLength(bytes + i, length - i, wellFormed);
        if (!wellFormed) {
            return false;
        }
        beyondAscii = beyondAscii || step > 1;
        i += step;
    }
    return beyondAscii;
}

size_t EncodeUtf8(char32_t codePoint, char (&out)[4]) {
    const char32_t c = codePoint;
    if (c < 0x80) {
        out[0] = static_cast<char>(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = static_cast<char>(0xC0 | c >> 6);
        out[1] = static_cast<char>(0x80 | (c & 0x3F));
        return 2;
    }
    if (c < 0x10000) {
        out[0] = static_cast<char>(0xE0 | c >> 12);
        out[1] = static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out[2] = static_cast<char>(0x80 | (c & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | c >> 18);
    out[1] = static_cast<char>(0x80 | (c >> 12 & 0x3F));
    out[2] = static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out[3] = static_cast<char>(0x80 | (c & 0x3F));
    return 4;
}

SavedEncoding SavedEncodingOf(const char *bytes, size_t length, bool utf8WithoutMark) {
    if (StartsWith(bytes, length, "\xEF\xBB\xBF", 3)) {
        return SavedEncoding::Utf8WithMark;
    }
    if (StartsWith(bytes, length, "\xFF\xFE", 2)) {
        return SavedEncoding::Utf16LittleEndian;
    }
    if (StartsWith(bytes, length, "\xFE\xFF", 2)) {
        return SavedEncoding::Utf16BigEndian;
    }
    return utf8WithoutMark && IsUtf8BeyondAscii(bytes, length) ? SavedEncoding::Utf8
                                                               : SavedEncoding::Ansi;
}

size_t CharacterLength(const char *at, size_t left, SequenceUnit unit) {
    const auto *bytes = reinterpret_cast<const unsigned char *>(at);
    bool wellFormed = false;
    switch (unit) {
    case SequenceUnit::Utf8:
        return Utf8SequenceLength(at, left, wellFormed);
    case SequenceUnit::Cp932:
        // A lead byte takes the byte after it when that may follow a lead, or is no ASCII.
        return left > 1 && IsCp932Lead(bytes[0]) &&
                       ((InRange(bytes[1], 0x40, 0xFC) && bytes[1] != 0x7F) || bytes[1] >= 0x80)
                   ? 2
                   : 1;
    case SequenceUnit::DoubleByte:
        return DoubleByteLength(bytes, left);
    case SequenceUnit::Gb18030:
        return left > 3 && InRange(bytes[0], 0x81, 0xFE) && InRange(bytes[1], 0x30, 0x39) &&
                       InRange(bytes[2], 0x81, 0xFE) && InRange(bytes[3], 0x30, 0x39)
                   ? 4
                   : DoubleByteLength(bytes, left);
    case SequenceUnit::Utf16:
        return left > 1 ? 2 : 1;
    case SequenceUnit::Shifting:
        return left;
    case SequenceUnit::Byte:
        break;
    }
    return 1;
}

size_t SavedMarkLength(SavedEncoding encoding) {
    switch (encoding) {
    case SavedEncoding::Utf8WithMark:
        return 3;
    case SavedEncoding::Utf16LittleEndian:
    case SavedEncoding::Utf16BigEndian:
        return 2;
    case SavedEncoding::Ansi:
    case SavedEncoding::Utf8:
        return 0;
    }
    return 0;
}
