#pragma once
// What the user configures in plugins\dovrink.ini, read once during initialisation into a record
// of fixed size: reading it allocates nothing.
#include <cstdint>

#include "platform/text_encoding.h"

constexpr const char *SettingsSection = "dovrink";
// keyword0 to keyword8.
constexpr int KeywordCount = 9;
// The key of keyword N is "keyword" and its single digit: no formatted output is linked in.
constexpr unsigned KeywordKeySize = sizeof "keyword0";
static_assert(KeywordCount <= 10, "keyword0 to keyword9 at most");

// The key of keyword `number` (0 to KeywordCount - 1), such as "keyword0".
inline void KeywordKey(int number, char (&key)[KeywordKeySize]) {
    const char name[] = "keyword";
    for (unsigned i = 0; i < KeywordKeySize - 2; ++i) {
        key[i] = name[i];
    }
    key[KeywordKeySize - 2] = static_cast<char>('0' + number);
    key[KeywordKeySize - 1] = '\0';
}
// A value is read into this many bytes: up to 253 of it and a terminator.
constexpr unsigned SettingsValueSize = 254;
// The separator when the file gives none.
constexpr const char *DefaultSeparator = "=========";
// Line feeds per box when the file gives none, or fewer than the fewest.
constexpr std::int32_t DefaultPageLines = 30;
constexpr std::int32_t FewestPageLines = 5;
// The settings file, in the plugins folder. Keywords are read beside the host's program; separator
// and page length resolve against the current directory.
#define DOVRINK_SETTINGS_FILE "dovrink.ini"
constexpr const char *SettingsFileName = DOVRINK_SETTINGS_FILE;
constexpr const char *SettingsFileInPlugins = "plugins\\" DOVRINK_SETTINGS_FILE;
constexpr const char *RelativeSettingsPath = ".\\plugins\\" DOVRINK_SETTINGS_FILE;
constexpr unsigned SettingsPathSize = 512;

// How a settings file is saved, as the plugin reads it: in the ANSI code page, or in Unicode.
using SettingsEncoding = SavedEncoding;

// Where a value comes from.
enum class ValueSource : unsigned char {
    AsRead,         // as the system read it: the file is in the code page, or the value is ASCII
    FromUnicode,    // from the file's Unicode text, which the code page holds whole
    BeyondCodePage, // the file's Unicode text holds a character the code page lacks: as the
                    // system read it, with a substitute for that character
};

struct PluginSettings {
    // keyword0 to keyword8 by their numbers, escapes expanded; an empty one is not set, and the
    // keywords that are set make the keyword list, in this order.
    char Keywords[KeywordCount][SettingsValueSize] = {};
    // A line feed and the separator value: the text that ends a section. Empty until read.
    char SeparatorText[1 + SettingsValueSize] = {};
    // Line feeds per message box; at least FewestPageLines once read.
    std::int32_t PageLines = DefaultPageLines;
    // How the file with the keywords and the one with the separator are saved, and where each
    // value comes from.
    SettingsEncoding KeywordFileEncoding = SettingsEncoding::Ansi;
    SettingsEncoding SeparatorFileEncoding = SettingsEncoding::Ansi;
    ValueSource KeywordSources[KeywordCount] = {};
    ValueSource SeparatorSource = ValueSource::AsRead;
};

// The settings file beside the host executable, where the keywords are read. False when the
// host's path, or the path with the file name appended, does not fit: the file counts as missing.
bool KeywordFilePath(char (&path)[SettingsPathSize]);

// Reads the keywords from `keywordFile` (none when it is null) and the separator and the page
// length from `separatorFile` into `settings`, in place of what they held.
void ReadSettings(const char *keywordFile, const char *separatorFile, PluginSettings &settings);

// Reads the settings as the plugin does: the keywords beside the host executable, the rest from
// RelativeSettingsPath.
void LoadSettings(PluginSettings &settings);
