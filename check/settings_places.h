#pragma once
// Where the plugin beside this program reads its settings. The self-check stands in the plugins
// folder, beside dovrink.dll: that folder's dovrink.ini is the file of the keywords, and, for a
// mail client that runs in its own folder, of the separator and the page length too.
#include "settings/settings.h"

struct SettingsPlaces {
    char PluginsFolder[SettingsPathSize]; // this program's folder, with its last backslash
    char SettingsFile[SettingsPathSize];  // dovrink.ini in it
    char PluginFile[SettingsPathSize];    // dovrink.dll in it
    bool InPluginsFolder;                 // whether that folder is named "plugins"
};

// False when this program's path, or a file's path in its folder, does not fit SettingsPathSize:
// the plugin then reads no keywords either.
bool FindSettingsPlaces(SettingsPlaces &places);

// True when the file exists.
bool FileExists(const char *path);
