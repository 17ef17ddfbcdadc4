#pragma once
// The plugin library, loaded and called as the mail client does, and asked what it read and how
// it judges a body (plugin/for_preview.h).
#include <string>

#include "plugin/entry_points.h"
#include "plugin/for_preview.h"

struct PluginLibrary {
    void *Handle = nullptr;
    EntryPoints Entries;
    const PluginInspection *Inspection = nullptr;
};

// False, with the reason, when the library cannot be loaded or lacks an entry point.
bool LoadPluginLibrary(const std::string &path, PluginLibrary &plugin, std::string &error);

void UnloadPluginLibrary(PluginLibrary &plugin);
