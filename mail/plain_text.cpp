#include "mail/plain_text.h"

#include "mail/ansi_text.h"
#include "platform/saved_text.h"

PlainText ReadPlainText(const std::string &bytes, UINT ansiCodePage) {
    const SavedEncoding saved = SavedEncodingOf(bytes.data(), bytes.size(), true);
    if (saved == SavedEncoding::Ansi) {
        return {bytes, saved, 0};
    }
    WideText wide(bytes.size(), 0);
    wide.resize(WideOfSavedText(bytes.data(), bytes.size(), saved, &wide[0], wide.size()));
    PlainText text{{}, saved, 0};
    text.Text = AnsiOfWide(ansiCodePage, wide, text.Unheld);
    return text;
}
