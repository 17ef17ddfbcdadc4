#pragma once
// What the user configures in plugins\dovrink.ini, read once during initialisation into a record
// of fixed size: reading it allocates nothing.
#include <cstdint>

#include "settings/settings_file.h"

// The separator when the file gives none.
constexpr const char *DefaultSeparator = "=========";
// Line feeds per box when the file gives none, or fewer than the fewest.
constexpr std::int32_t DefaultPageLines = 30;
constexpr std::int32_t FewestPageLines = 5;

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
