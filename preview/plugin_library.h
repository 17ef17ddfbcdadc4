#pragma once
// The plugin library, loaded and called as the mail client does.
#include <string>

#include "plugin/entry_points.h"

struct PluginLibrary {
    void *Handle = nullptr;
    decltype(&OmbrelPlugin_Init) Init = nullptr;
    decltype(&OmbrelPlugin_Exit) Exit = nullptr;
    decltype(&OmbrelPlugin_OnUpdateView) OnUpdateView = nullptr;
    decltype(&OmbrelPlugin_GetPluginVersion) GetPluginVersion = nullptr;
};

// False, with the reason, when the library cannot be loaded or lacks an entry point.
bool LoadPluginLibrary(const std::string &path, PluginLibrary &plugin, std::string &error);

void UnloadPluginLibrary(PluginLibrary &plugin);
