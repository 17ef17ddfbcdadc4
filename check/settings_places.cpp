#include "check/settings_places.h"

#include <cstring>

#include "platform/path_text.h"
#include "platform/windows_api.h"

namespace {

bool Join(const char *folder, const char *name, char (&path)[SettingsPathSize]) {
    const size_t folderLength = std::strlen(folder);
    const size_t nameLength = std::strlen(name);
    if (folderLength + nameLength >= SettingsPathSize) {
        return false;
    }
    std::memcpy(path, folder, folderLength);
    std::memcpy(path + folderLength, name, nameLength + 1);
    return true;
}

// Whether the folder (with its last backslash) is named "plugins", in any case.
bool NamedPlugins(const char *folder) {
    const size_t length = std::strlen(folder);
    if (length < 2) {
        return false;
    }
    const char *name = folder + FolderPartLength(folder, length - 1);
    const char expected[] = "plugins\\";
    if (std::strlen(name) != sizeof expected - 1) {
        return false;
    }
    for (size_t i = 0; i < sizeof expected - 1; ++i) {
        const char lower =
            name[i] >= 'A' && name[i] <= 'Z' ? static_cast<char>(name[i] + 32) : name[i];
        if (lower != expected[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

bool FindSettingsPlaces(SettingsPlaces &places) {
    char program[SettingsPathSize];
    const DWORD length = GetModuleFileNameA(nullptr, program, SettingsPathSize - 1);
    if (length == 0 || length >= SettingsPathSize - 1) {
        return false;
    }
    program[FolderPartLength(program, length)] = '\0';
    std::memcpy(places.PluginsFolder, program, std::strlen(program) + 1);
    places.InPluginsFolder = NamedPlugins(places.PluginsFolder);
    return Join(places.PluginsFolder, SettingsFileName, places.SettingsFile) &&
           Join(places.PluginsFolder, "dovrink.dll", places.PluginFile);
}

bool FileExists(const char *path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
