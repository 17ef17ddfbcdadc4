#include "platform/saved_text.h"

#include "platform/text_encoding.h"

namespace {

long CodePointOf(const WCHAR *units, int count) {
    if (count == 2) {
        return 0x10000 + ((static_cast<long>(units[0]) - 0xD800) << 10) +
               (static_cast<long>(units[1]) - 0xDC00);
    }
    return count == 1 ? static_cast<long>(units[0]) : 0xFFFD;
}

size_t WideOfUtf16(const char *bytes, size_t length, bool bigEndian, WCHAR *wide, size_t room) {
    const size_t units = length / 2;
    for (size_t i = 0; i < units && i < room; ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        wide[i] = static_cast<WCHAR>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return units;
}

size_t WideOfCodePage(UINT codePage, const char *bytes, size_t length, WCHAR *wide, size_t room) {
    if (length == 0) {
        return 0;
    }
    const int size = static_cast<int>(length);
    const int units = MultiByteToWideChar(codePage, 0, bytes, size, nullptr, 0);
    if (units > 0 && static_cast<size_t>(units) <= room) {
        MultiByteToWideChar(codePage, 0, bytes, size, wide, units);
    }
    return units > 0 ? static_cast<size_t>(units) : 0;
}

} // namespace

size_t WideOfSavedText(const char *bytes, size_t length, SavedEncoding encoding, WCHAR *wide,
                       size_t room) {
    const size_t mark = SavedMarkLength(encoding);
    const char *text = bytes + mark;
    const size_t left = length - mark;
    switch (encoding) {
    case SavedEncoding::Utf16LittleEndian:
    case SavedEncoding::Utf16BigEndian:
        return WideOfUtf16(text, left, encoding == SavedEncoding::Utf16BigEndian, wide, room);
    case SavedEncoding::Utf8:
    case SavedEncoding::Utf8WithMark:
        return WideOfCodePage(CP_UTF8, text, left, wide, room);
    case SavedEncoding::Ansi:
        return WideOfCodePage(CP_ACP, text, left, wide, room);
    }
    return 0;
}

long FirstCharacterBeyondCodePage(const char *utf8, size_t length) {
    for (size_t at = 0; at < length;) {
        bool wellFormed = false;
        const size_t size = Utf8SequenceLength(utf8 + at, length - at, wellFormed);
        WCHAR wide[2];
        const int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8 + at,
                                              static_cast<int>(size), wide, 2);
        char ansi[8];
        BOOL usedDefault = FALSE;
        const int bytes = units == 0
                              ? 0
                              : WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, units, ansi,
                                                    sizeof ansi, nullptr, &usedDefault);
        if (bytes == 0 || usedDefault) {
            return CodePointOf(wide, units);
        }
        at += size;
    }
    return -1;
}
