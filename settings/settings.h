#pragma once
// What the user configures in plugins\dovrink.ini, read once during initialisation into a record
// of fixed size: reading it allocates nothing.
#include <cstdint>

constexpr const char *SettingsSection = "dovrink";
// keyword0 to keyword8.
constexpr int KeywordCount = 9;
// A value is read into this many bytes: up to 253 of it and a terminator.
constexpr unsigned SettingsValueSize = 254;
// The separator when the file gives none.
constexpr const char *DefaultSeparator = "=========";
// Line feeds per box when the file gives none, or fewer than the fewest.
constexpr std::int32_t DefaultPageLines = 30;
constexpr std::int32_t FewestPageLines = 5;
// Separator and page length resolve against the current directory.
constexpr const char *RelativeSettingsPath = ".\\plugins\\dovrink.ini";
constexpr unsigned SettingsPathSize = 512;

struct PluginSettings {
    // keyword0 to keyword8 by their numbers, escapes expanded; an empty one is not set, and the
    // keywords that are set make the keyword list, in this order.
    char Keywords[KeywordCount][SettingsValueSize] = {};
    // A line feed and the separator value: the text that ends a section. Empty until read.
    char SeparatorText[1 + SettingsValueSize] = {};
    // Line feeds per message box; at least FewestPageLines once read.
    std::int32_t PageLines = DefaultPageLines;
};

// The settings file beside the host executable, where the keywords are read. False when the
// host's path, or the path with the file name appended, does not fit: the file counts as missing.
bool KeywordFilePath(char (&path)[SettingsPathSize]);

// Reads the settings file into `settings`, in place of what they held.
void LoadSettings(PluginSettings &settings);
