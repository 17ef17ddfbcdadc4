#include "preview/plugin_library.h"

#include <dlfcn.h>

#include "platform/symbol_binding.h"

namespace {

template <typename Function>
bool Bind(void *library, const char *name, Function &entry, std::string &error) {
    if (!BindSymbol(dlsym(library, name), entry)) {
        error = std::string("the library does not export ") + name;
        return false;
    }
    return true;
}

} // namespace

bool LoadPluginLibrary(const std::string &path, PluginLibrary &plugin, std::string &error) {
    plugin.Handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (plugin.Handle == nullptr) {
        const char *reason = dlerror();
        error = reason != nullptr ? reason : "cannot load " + path;
        return false;
    }
    const bool bound =
        Bind(plugin.Handle, "OmbrelPlugin_Init", plugin.Init, error) &&
        Bind(plugin.Handle, "OmbrelPlugin_Exit", plugin.Exit, error) &&
        Bind(plugin.Handle, "OmbrelPlugin_OnUpdateView", plugin.OnUpdateView, error) &&
        Bind(plugin.Handle, "OmbrelPlugin_GetPluginVersion", plugin.GetPluginVersion, error);
    if (!bound) {
        UnloadPluginLibrary(plugin);
    }
    return bound;
}

void UnloadPluginLibrary(PluginLibrary &plugin) {
    if (plugin.Handle != nullptr) {
        dlclose(plugin.Handle);
    }
    plugin = PluginLibrary{};
}
