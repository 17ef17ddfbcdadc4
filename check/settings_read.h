#pragma once
// The settings as the plugin beside the self-check reads them, where it reads them, and what the
// reader wrote.
#include "check/settings_places.h"
#include "check/settings_report.h"
#include "diagnosis/run_status.h"
#include "diagnosis/settings_check.h"
#include "settings/settings.h"

struct ReadSettingsFiles {
    PluginSettings Settings;
    bool Placed; // false: this folder's path is too long for the plugin to read its keywords
    SettingsPlaces Places;
    SettingsFindings Findings;
    WrittenKeywords Written;
};

// Reads the settings as the plugin beside this program reads them, from `file` instead where one
// is given; the mistakes found count as warnings.
void ReadSettingsFrom(const char *file, ReadSettingsFiles &read, RunTally &tally);
