#include "mail/code_page_text.h"

#include <algorithm>

#include "mail/limits.h"

namespace {

// Converts the whole of the bytes, or nothing: false when the system cannot.
bool Convert(UINT codePage, DWORD flags, const char *bytes, size_t length, WideText &wide) {
    const int size = static_cast<int>(length);
    const int units = MultiByteToWideChar(codePage, flags, bytes, size, nullptr, 0);
    if (units <= 0) {
        return false;
    }
    const size_t at = wide.size();
    wide.resize(at + static_cast<size_t>(units));
    MultiByteToWideChar(codePage, flags, bytes, size, &wide[at], units);
    return true;
}

// The piece from `at`, cut where a character ends.
size_t PieceEnd(const std::string &bytes, size_t at, SequenceUnit unit) {
    size_t end = at;
    while (end < bytes.size() && end - at < ConversionPiece) {
        end += CharacterLength(bytes.data() + end, bytes.size() - end, unit);
    }
    return end;
}

// A piece the system cannot read whole, character by character.
size_t AppendByCharacter(UINT codePage, SequenceUnit unit, const char *bytes, size_t length,
                         WideText &wide) {
    size_t unreadable = 0;
    for (size_t at = 0; at < length;) {
        const size_t size = CharacterLength(bytes + at, length - at, unit);
        if (!Convert(codePage, MB_ERR_INVALID_CHARS, bytes + at, size, wide)) {
            wide += ReplacementCharacter;
            ++unreadable;
        }
        at += size;
    }
    return unreadable;
}

} // namespace

bool ReadsCodePage(UINT codePage) {
    WCHAR wide[1];
    return MultiByteToWideChar(codePage, 0, "a", 1, wide, 1) == 1;
}

size_t AppendCodePageText(UINT codePage, SequenceUnit unit, const std::string &bytes,
                          WideText &wide) {
    if (unit == SequenceUnit::Shifting) {
        const size_t before = wide.size();
        Convert(codePage, 0, bytes.data(), bytes.size(), wide);
        return static_cast<size_t>(
            std::count(wide.begin() + static_cast<long>(before), wide.end(), ReplacementCharacter));
    }
    size_t unreadable = 0;
    for (size_t at = 0; at < bytes.size();) {
        const size_t end = PieceEnd(bytes, at, unit);
        if (!Convert(codePage, MB_ERR_INVALID_CHARS, bytes.data() + at, end - at, wide)) {
            unreadable += AppendByCharacter(codePage, unit, bytes.data() + at, end - at, wide);
        }
        at = end;
    }
    return unreadable;
}

void AppendCodePoint(char32_t codePoint, WideText &wide) {
    if (codePoint < 0x10000) {
        wide += static_cast<WCHAR>(codePoint);
        return;
    }
    codePoint -= 0x10000;
    wide += static_cast<WCHAR>(0xD800 + (codePoint >> 10));
    wide += static_cast<WCHAR>(0xDC00 + (codePoint & 0x3FF));
}
