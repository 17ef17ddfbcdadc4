#pragma once
// /setup: the settings made from the texts given, proposed, asked about, written beside the
// self-check (or where it can be written), and each text they were made from checked again.
#include <string>
#include <vector>

#include "check/check_system.h"
#include "check/checked_body.h"
#include "check/messages.h"
#include "check/settings_read.h"
#include "diagnosis/run_status.h"

// The run's tally: the texts checked again with the file written, or what could not be done;
// `names` are what the reader calls the texts (UTF-8).
RunTally RunSetup(const Messages &say, const CheckSystem &system,
                  const std::vector<CheckedBody> &texts, const std::vector<std::string> &names,
                  const ReadSettingsFiles &read, bool show);
