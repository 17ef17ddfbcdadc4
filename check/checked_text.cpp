#include "check/checked_text.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/text_encoding.h"

namespace {

std::vector<WCHAR> WideOf(UINT codePage, const char *bytes, size_t length) {
    const int size = static_cast<int>(length);
    const int units = MultiByteToWideChar(codePage, 0, bytes, size, nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(units > 0 ? units : 0));
    if (units > 0) {
        MultiByteToWideChar(codePage, 0, bytes, size, wide.data(), units);
    }
    return wide;
}

std::vector<WCHAR> WideOfUtf16(const char *bytes, size_t length, bool bigEndian) {
    std::vector<WCHAR> wide(length / 2);
    for (size_t i = 0; i < wide.size(); ++i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        wide[i] = static_cast<WCHAR>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return wide;
}

} // namespace

CheckedText TextOfWide(const WCHAR *text, size_t length) {
    CheckedText checked;
    if (length == 0) {
        return checked;
    }
    const int units = static_cast<int>(length);
    const int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, units, nullptr, 0,
                                          nullptr, nullptr);
    checked.Ansi.assign(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text, units, &checked.Ansi[0], bytes, "?",
                        nullptr);
    // A "?" is written for a "?" or for a character the code page lacks.
    const auto asked =
        static_cast<size_t>(std::count(text, text + length, static_cast<WCHAR>('?')));
    const auto written =
        static_cast<size_t>(std::count(checked.Ansi.begin(), checked.Ansi.end(), '?'));
    checked.Unheld = written - asked;
    return checked;
}

CheckedText TextOfFile(const std::string &bytes) {
    const ByteOrderMark mark = ByteOrderMarkOf(bytes.data(), bytes.size());
    const char *text = bytes.data() + MarkLength(mark);
    const size_t length = bytes.size() - MarkLength(mark);
    std::vector<WCHAR> wide;
    SettingsEncoding saved = mark == ByteOrderMark::Utf16BigEndian
                                 ? SettingsEncoding::Utf16BigEndian
                                 : SettingsEncoding::Utf16LittleEndian;
    switch (mark) {
    case ByteOrderMark::Utf16LittleEndian:
    case ByteOrderMark::Utf16BigEndian:
        wide = WideOfUtf16(text, length, mark == ByteOrderMark::Utf16BigEndian);
        break;
    case ByteOrderMark::Utf8:
        wide = WideOf(CP_UTF8, text, length);
        saved = SettingsEncoding::Utf8WithMark;
        break;
    case ByteOrderMark::None:
        if (!IsUtf8BeyondAscii(text, length)) {
            CheckedText checked;
            checked.Ansi = bytes;
            return checked;
        }
        wide = WideOf(CP_UTF8, text, length);
        saved = SettingsEncoding::Utf8;
        break;
    }
    CheckedText checked = TextOfWide(wide.data(), wide.size());
    checked.Saved = saved;
    return checked;
}

size_t TextLength(const std::string &text) { return std::strlen(text.c_str()); }

size_t LineCount(const std::string &text) {
    const size_t length = TextLength(text);
    const auto breaks = static_cast<size_t>(std::count(text.c_str(), text.c_str() + length, '\n'));
    return length == 0 || text[length - 1] == '\n' ? breaks : breaks + 1;
}
