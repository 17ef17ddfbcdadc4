#pragma once
// Settings files saved in Unicode: UTF-8, with or without a byte-order mark, as today's editors
// save a new file, or UTF-16 with one. The system hands a program that asks in ANSI the file's
// values in the code page: a file without a mark it reads in the code page, where most Japanese
// UTF-8 is no text and comes back changed. So the plugin reads such a file's text itself and
// takes each value from it when the code page holds all of it.
#include <cstddef>

#include "settings/settings_file.h"

// Larger files are left to the system's reading; a settings file takes a few hundred bytes.
constexpr size_t UnicodeFileCapacity = 8192;

// A settings file's text in UTF-8, when it is saved in Unicode.
struct UnicodeSettingsText {
    SettingsEncoding Encoding;
    size_t Length;
    // UTF-16 takes at most three bytes of UTF-8 for each two of its own.
    char Text[UnicodeFileCapacity / 2 * 3];
};

// Reads the file's text when it is saved in Unicode: with a byte-order mark of UTF-8 or UTF-16,
// or without one when all of it is well-formed UTF-8 and some of it beyond ASCII. A file in the
// code page is such UTF-8 only by chance, and only if it is so throughout: see IsUtf8BeyondAscii
// for how seldom. Else the encoding is Ansi and there is no text.
void ReadUnicodeText(const char *path, UnicodeSettingsText &text);

// Puts the key's value from the text, in the code page, into `value` (SettingsValueSize bytes)
// when the code page holds all of it; says where the value in `value` comes from.
ValueSource TakeUnicodeValue(const UnicodeSettingsText &text, const char *key, char *value);
