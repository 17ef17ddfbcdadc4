#include "check/checked_text.h"

#include <algorithm>
#include <cstring>

#include "check/conversions.h"
#include "platform/saved_text.h"

CheckedText TextOfWide(const WCHAR *text, size_t length) {
    CheckedText checked;
    checked.Ansi = AnsiOf(WideText(text, length), checked.Unheld);
    return checked;
}

CheckedText TextOfFile(const std::string &bytes) {
    const SettingsEncoding saved = SavedEncodingOf(bytes.data(), bytes.size(), true);
    if (saved == SettingsEncoding::Ansi) {
        CheckedText checked;
        checked.Ansi = bytes;
        return checked;
    }
    WideText wide(bytes.size(), 0);
    wide.resize(WideOfSavedText(bytes.data(), bytes.size(), saved, &wide[0], wide.size()));
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
