#pragma once
// A text checked with the settings: its account, what the plugin makes of it and the run's
// verdict; then, asked for or offered, its boxes.
#include <string>

#include "check/check_system.h"
#include "check/checked_body.h"
#include "check/messages.h"
#include "check/settings_read.h"
#include "diagnosis/run_status.h"
#include "settings/settings.h"

// What the run ends with: that nothing was found to heed, or how much was.
std::string Verdict(const RunTally &tally);

// Checks the text, adding to the tally; shows its boxes with `show`, or when the reader says so.
void CheckText(const Messages &say, const CheckSystem &system, const CheckedBody &checked,
               const ReadSettingsFiles &read, bool show, RunTally &tally);

// Whether no keyword is set, or none was found in the text: a reader who has not written the
// settings yet, to whom the settings made from the issue are offered.
bool NoKeywordFound(const CheckedBody &checked, const PluginSettings &settings);
