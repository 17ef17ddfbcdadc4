#pragma once
// The boxes of a text, shown by the plugin's own view update from a host that has the text on
// view: the same message boxes that the mail client would show.
#include <string>

#include "settings/settings.h"

void ShowBoxesAsPlugin(const std::string &text, const PluginSettings &settings);
