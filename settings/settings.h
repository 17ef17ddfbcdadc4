#pragma once
// What the user configures in plugins\dovrink.ini, read once during initialisation.
#include <cstdint>
#include <string>
#include <vector>

// A value is read into this many bytes: up to 253 of it and a terminator.
constexpr unsigned SettingsValueSize = 254;
// The separator when the file gives none.
constexpr const char *DefaultSeparator = "=========";
// Line feeds per box when the file gives none, or fewer than the fewest.
constexpr std::int32_t DefaultPageLines = 30;
constexpr std::int32_t FewestPageLines = 5;

struct PluginSettings {
    // Keywords that open the sections to show, escapes expanded, in key order; never empty ones.
    std::vector<std::string> KeywordList;
    // A line feed and the separator value: the text that ends a section.
    std::string SeparatorText;
    // Line feeds per message box; at least FewestPageLines once read.
    std::int32_t PageLines = DefaultPageLines;
};

// One instance for the whole module, from load to unload.
extern PluginSettings Settings;

constexpr const char *SettingsSection = "dovrink";
// Separator and page length resolve against the current directory.
constexpr const char *RelativeSettingsPath = ".\\plugins\\dovrink.ini";
// keyword0 to keyword8.
constexpr int KeywordCount = 9;
constexpr unsigned SettingsPathSize = 512;

// The settings file beside the host executable, where the keywords are read. False when the
// host's path, or the path with the file name appended, does not fit: the file counts as missing.
bool KeywordFilePath(char (&path)[SettingsPathSize]);

// Reads the settings file into Settings, in place of what an earlier call read.
void LoadSettings();
