#pragma once
// The text that the self-check checks, in the code page, as the mail client would hand the plugin
// its body: from the clipboard, or from a file saved in the code page, UTF-8 or UTF-16.
#include <cstddef>
#include <string>

#include "platform/windows_api.h"
#include "settings/settings.h"

struct CheckedText {
    std::string Ansi;
    SettingsEncoding Saved = SettingsEncoding::Ansi; // how the file is saved, as settings are
    size_t Unheld = 0; // characters that the code page cannot hold, now "?"
};

// A file's bytes as Notepad saves them, read by the one rule for saved plain text
// (mail/plain_text.h).
CheckedText TextOfFile(const std::string &bytes);

// UTF-16 text, such as the clipboard's.
CheckedText TextOfWide(const WCHAR *text, size_t length);

// The text's length up to its first NUL, as the plugin reads it, and its count of lines.
size_t TextLength(const std::string &text);
size_t LineCount(const std::string &text);
