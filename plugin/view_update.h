#pragma once
#include "host/host_api.h"
#include "settings/settings.h"

// The whole work of a view update: probe the body that the host has on view for the issue marker
// and, for an issue, show the excerpts of the keywords of the settings.
void HandleViewUpdate(const HostFunctions &host, const PluginSettings &settings);
