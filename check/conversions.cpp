#include "check/conversions.h"

#include <algorithm>

namespace {

std::string Narrowed(UINT codePage, DWORD flags, const WideText &wide, const char *substitute) {
    const int units = static_cast<int>(wide.size());
    const int bytes = units == 0 ? 0
                                 : WideCharToMultiByte(codePage, flags, wide.data(), units, nullptr,
                                                       0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) {
        WideCharToMultiByte(codePage, flags, wide.data(), units, &text[0], bytes, substitute,
                            nullptr);
    }
    return text;
}

} // namespace

std::string AnsiOf(const WideText &wide, size_t &unheld) {
    std::string ansi = Narrowed(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, "?");
    // A "?" is written for a "?" or for a character the code page lacks.
    const auto asked = static_cast<size_t>(std::count(wide.begin(), wide.end(), WCHAR('?')));
    const auto written = static_cast<size_t>(std::count(ansi.begin(), ansi.end(), '?'));
    unheld = written - asked;
    return ansi;
}

std::string Utf8OfAnsi(const std::string &ansi) { return TextOf(CP_UTF8, WideOf(CP_ACP, ansi)); }
