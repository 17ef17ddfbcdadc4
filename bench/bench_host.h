#pragma once
// A host for whole view updates in the benchmarks: the body comes from a string, the settings
// are the benchmark keywords in code page 932, and every box is answered with OK at once.
#include <string>

#include "settings/settings.h"

void UseBenchSettings();

// The settings in use: the benchmark keywords, the default separator and page length.
const PluginSettings &BenchSettings();

// The body that the next view update fetches.
void OfferBody(const std::string &body);

// A whole view update with this host and these settings.
void UpdateView();
