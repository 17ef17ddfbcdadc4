#pragma once
#include "plugin/for_preview.h"

// Prints the settings as the plugin read them, and the mistakes in them, which it counts.
int PrintSettingsReport(const PluginInspection &plugin);
