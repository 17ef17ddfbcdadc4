#pragma once
// The settings file's format, as the plugin reads it and as /setup and the advice write it: its
// name, its section and keys, how large a value is, how a file is saved and where a value comes
// from.
#include "platform/text_encoding.h"

// The settings file, in the plugins folder. Keywords are read beside the host's program; separator
// and page length resolve against the current directory.
#define DOVRINK_SETTINGS_FILE "dovrink.ini"
constexpr const char *SettingsFileName = DOVRINK_SETTINGS_FILE;
constexpr const char *SettingsFileInPlugins = "plugins\\" DOVRINK_SETTINGS_FILE;
constexpr const char *RelativeSettingsPath = ".\\plugins\\" DOVRINK_SETTINGS_FILE;
constexpr unsigned SettingsPathSize = 512;

constexpr const char *SettingsSection = "dovrink";
constexpr const char *SeparatorKey = "separator";
constexpr const char *PageLinesKey = "line";

// keyword0 to keyword8.
constexpr int KeywordCount = 9;
// The key of keyword N is "keyword" and its single digit: no formatted output is linked in.
constexpr const char KeywordKeyPrefix[] = "keyword";
constexpr unsigned KeywordKeySize = sizeof KeywordKeyPrefix + 1;
static_assert(KeywordCount <= 10, "keyword0 to keyword9 at most");

// The key of keyword `number` (0 to KeywordCount - 1), such as "keyword0".
inline void KeywordKey(int number, char (&key)[KeywordKeySize]) {
    for (unsigned i = 0; i < KeywordKeySize - 2; ++i) {
        key[i] = KeywordKeyPrefix[i];
    }
    key[KeywordKeySize - 2] = static_cast<char>('0' + number);
    key[KeywordKeySize - 1] = '\0';
}

// A value is read into this many bytes: up to 253 of it and a terminator.
constexpr unsigned SettingsValueSize = 254;

// How a settings file is saved, as the plugin reads it: in the ANSI code page, or in Unicode.
using SettingsEncoding = SavedEncoding;

// Where a value comes from.
enum class ValueSource : unsigned char {
    AsRead,         // as the system read it: the file is in the code page, or the value is ASCII
    FromUnicode,    // from the file's Unicode text, which the code page holds whole
    BeyondCodePage, // the file's Unicode text holds a character the code page lacks: as the
                    // system read it, with a substitute for that character
};
