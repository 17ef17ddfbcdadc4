#pragma once
// What dovrink-preview asks the Linux library beyond the entry points: the settings that the
// plugin read and its own judgement of a body, so that the preview's explanations come from the
// state and the code that showed the boxes. The DLL has none of it.
#include <cstddef>
#include <cstdint>

#include "diagnosis/settings_check.h"
#include "settings/settings.h"
#include "viewer/sections.h"

struct PluginInspection {
    // The settings as initialisation read them.
    const PluginSettings *Settings;
    // Where the keywords were read (false: the host's path left no room for the file's name).
    bool (*KeywordFile)(char (&path)[SettingsPathSize]);
    // The usual mistakes in the settings files.
    void (*CheckSettings)(const char *keywordFile, const char *separatorFile,
                          const PluginSettings &settings, SettingsFindings &findings);
    // Each keyword's fate in a body, as a view update finds it with these settings.
    size_t (*FindSections)(const char *body, size_t size, const PluginSettings &settings,
                           KeywordSection (&sections)[KeywordCount]);
    // How many boxes a section's excerpt takes, each answered with OK.
    size_t (*CountPages)(const char *excerpt, size_t length, std::int32_t maxLines);
    // Where the issue marker first stands in a text, or null; and whether it makes an issue.
    const char *(*FindIssueMarker)(const char *text, size_t length);
    bool (*IsIssue)(const char *text, size_t length);
};

extern "C" const PluginInspection *DovrinkInspection();
