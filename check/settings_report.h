#pragma once
// The self-check's account of the settings: where the plugin reads them, whether the files are
// there and how they are saved, each setting as read, and the usual mistakes
// (diagnosis/settings_check.h) in the judgement's words.
#include <array>
#include <string>

#include "check/messages.h"
#include "check/settings_places.h"
#include "diagnosis/settings_check.h"
#include "settings/settings.h"

// Where the settings come from; `places` is null when this folder's path is too long.
std::string DescribePlaces(const Messages &say, const SettingsPlaces *places,
                           const PluginSettings &settings);

// The settings, numbered as the plugin takes the keywords, then the mistakes found.
std::string DescribeSettings(const Messages &say, const PluginSettings &settings,
                             const SettingsFindings &findings);

// Each keyword in UTF-8 as the reader wrote it: as the plugin read it, or, where the code page
// lacks one of its characters, as the file holds it.
using WrittenKeywords = std::array<std::string, KeywordCount>;
WrittenKeywords KeywordsAsWritten(const PluginSettings &settings, const SettingsFindings &findings);
