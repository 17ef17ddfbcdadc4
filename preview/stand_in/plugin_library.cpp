#include "preview/stand_in/plugin_library.h"

#include <dlfcn.h>

#include "platform/symbol_binding.h"

bool LoadPluginLibrary(const std::string &path, PluginLibrary &plugin, std::string &error) {
    plugin.Handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (plugin.Handle == nullptr) {
        const char *reason = dlerror();
        error = reason != nullptr ? reason : "cannot load " + path;
        return false;
    }
    void *library = plugin.Handle;
    const auto find = [library](const char *name) { return dlsym(library, name); };
    const char *missing = FindEntryPoints(find, plugin.Entries);
    const PluginInspection *(*inspection)() = nullptr;
    if (missing == nullptr && !BindSymbol(find("DovrinkInspection"), inspection)) {
        missing = "DovrinkInspection";
    }
    if (missing != nullptr) {
        error = std::string("the library does not export ") + missing;
        UnloadPluginLibrary(plugin);
        return false;
    }
    plugin.Inspection = inspection();
    return true;
}

void UnloadPluginLibrary(PluginLibrary &plugin) {
    if (plugin.Handle != nullptr) {
        dlclose(plugin.Handle);
    }
    plugin = PluginLibrary{};
}
