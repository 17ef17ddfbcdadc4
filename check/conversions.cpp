#include "check/conversions.h"

#include <algorithm>

std::string AnsiOf(const WideText &wide, size_t &unheld) {
    std::string ansi = TextOf(CP_ACP, wide, WC_NO_BEST_FIT_CHARS, "?");
    // A "?" is written for a "?" or for a character the code page lacks.
    const auto asked = static_cast<size_t>(std::count(wide.begin(), wide.end(), WCHAR('?')));
    const auto written = static_cast<size_t>(std::count(ansi.begin(), ansi.end(), '?'));
    unheld = written - asked;
    return ansi;
}
