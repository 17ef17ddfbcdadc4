#include "mail/plain_text.h"

#include "mail/ansi_text.h"
#include "platform/saved_text.h"

PlainText ReadPlainText(const std::string &bytes, UINT ansiCodePage) {
    PlainText text{{}, SavedEncodingOf(bytes.data(), bytes.size(), true), 0, false, {0, 1}};
    if (text.Saved == SavedEncoding::Ansi) {
        text.Text = bytes;
    } else {
        WideText wide(bytes.size(), 0);
        wide.resize(WideOfSavedText(bytes.data(), bytes.size(), text.Saved, &wide[0], wide.size()));
        text.Text = AnsiOfWide(ansiCodePage, wide, text.Unheld);
    }
    text.OpensWithHeader = FindMailHeader(text.Text, text.Header);
    return text;
}
