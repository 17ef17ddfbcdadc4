#include "check/checked_text.h"

#include <algorithm>
#include <cstring>

#include "mail/ansi_text.h"
#include "mail/plain_text.h"

CheckedText TextOfWide(const WCHAR *text, size_t length) {
    CheckedText checked;
    checked.Ansi = AnsiOfWide(GetACP(), WideText(text, length), checked.Unheld);
    return checked;
}

CheckedText TextOfFile(const std::string &bytes) {
    PlainText plain = ReadPlainText(bytes, GetACP());
    CheckedText checked;
    checked.Ansi = std::move(plain.Text);
    checked.Saved = plain.Saved;
    checked.Unheld = plain.Unheld;
    return checked;
}

size_t TextLength(const std::string &text) { return std::strlen(text.c_str()); }

size_t LineCount(const std::string &text) {
    const size_t length = TextLength(text);
    const auto breaks = static_cast<size_t>(std::count(text.c_str(), text.c_str() + length, '\n'));
    return length == 0 || text[length - 1] == '\n' ? breaks : breaks + 1;
}
