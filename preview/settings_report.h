#pragma once
#include <string>

#include "plugin/for_preview.h"

// Prints the settings as the plugin read them, and the mistakes in them, which it counts.
int PrintSettingsReport(const PluginInspection &plugin);

// Text of the code page in UTF-8 and in quotes, its line breaks and control bytes spelt out.
std::string Visible(const std::string &ansi);
