#pragma once
// A run of dovrink-check.exe, from its command line to its exit status: the settings that the
// plugin beside it reads, and what the plugin makes of an issue's text (the clipboard's, or a
// file's), in the reader's language, judged by the plugin's own code; or, with /setup, the
// settings made from the issues. All that it takes from Windows comes through `system`.
#include <vector>

#include "check/check_system.h"
#include "diagnosis/run_status.h"
#include "diagnosis/text_lines.h"

// The arguments are those after the program's name.
ExitStatus RunSelfCheck(const std::vector<WideText> &arguments, const CheckSystem &system);
