#include "mail/ansi_text.h"
#include "platform/text_encoding.h"

#include <algorithm>

namespace {

// The characters beyond the Basic Multilingual Plane, which no ANSI code page holds: each is two
// "?" for one character.
size_t SurrogatePairs(const WideText &wide) {
    size_t pairs = 0;
    for (size_t i = 0; i + 1 < wide.size(); ++i) {
        if (IsHighSurrogate(wide[i]) && IsLowSurrogate(wide[i + 1])) {
            ++pairs;
            ++i;
        }
    }
    return pairs;
}

} // namespace

std::string AnsiOfWide(UINT codePage, const WideText &wide, size_t &unheld) {
    unheld = 0;
    if (wide.empty()) {
        return {};
    }
    const int units = static_cast<int>(wide.size());
    const int size = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), units,
                                         nullptr, 0, "?", nullptr);
    std::string ansi(static_cast<size_t>(std::max(size, 0)), '\0');
    BOOL usedDefault = FALSE;
    if (size > 0) {
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), units, &ansi[0], size, "?",
                            &usedDefault);
    }
    if (usedDefault) {
        // A "?" is written for a "?" or for a unit of a character the code page lacks.
        const auto asked = static_cast<size_t>(std::count(wide.begin(), wide.end(), WCHAR('?')));
        const auto written = static_cast<size_t>(std::count(ansi.begin(), ansi.end(), '?'));
        const size_t pairs = SurrogatePairs(wide);
        unheld = written - asked >= pairs ? written - asked - pairs : written - asked;
    }
    return ansi;
}

std::string WithCrLf(const std::string &text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        if (text[i] == '\n' || text[i] == '\r') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}
