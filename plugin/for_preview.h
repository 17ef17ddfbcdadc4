#pragma once
// What dovrink-preview asks the Linux library beyond the entry points: the settings that the
// plugin read and its own judgement of a body, so that the preview's explanations come from the
// state and the code that showed the boxes. The DLL has none of it.
#include <cstddef>
#include <string>
#include <vector>

#include "diagnosis/settings_check.h"
#include "diagnosis/setup_proposal.h"
#include "diagnosis/text_advice.h"
#include "diagnosis/text_judgement.h"
#include "settings/settings.h"

struct PluginInspection {
    // The settings as initialisation read them.
    const PluginSettings *Settings;
    // Where the keywords were read (false: the host's path left no room for the file's name).
    bool (*KeywordFile)(char (&path)[SettingsPathSize]);
    // The usual mistakes in the settings files.
    void (*CheckSettings)(const char *keywordFile, const char *separatorFile,
                          const PluginSettings &settings, SettingsFindings &findings);
    // What a view update makes of a text with these settings, keyword by keyword.
    void (*JudgeText)(const char *text, size_t size, const PluginSettings &settings,
                      size_t cancelledBox, TextJudgement &judgement);
    // What would show wrong for the text, or misses by a little, with the fixes that work.
    std::vector<TextAdvice> (*AdviseOnText)(const std::string &text,
                                            const PluginSettings &settings);
    // The settings proposed from issues, and the settings file they come to.
    SetupProposal (*ProposeSetup)(const std::vector<std::string> &issues,
                                  const PluginSettings &current);
    std::string (*SettingsFileText)(const std::vector<std::string> &comments,
                                    const std::vector<std::string> &keywords,
                                    const std::string &separator, int pageLines);
};

extern "C" const PluginInspection *DovrinkInspection();
