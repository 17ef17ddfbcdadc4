#include "plugin/plugin_info.h"

#include "host/host_api.h"
#include "plugin/module_handle.h"
#include "plugin/resource_ids.h"

void RegisterPlugin(const HostFunctions &host) {
    // Zeroed first, so a string that cannot be loaded leaves its field empty.
    PluginInfo info{};
    info.Size = sizeof(PluginInfo);
    LoadStringA(ModuleHandle, IDS_PLUGIN_NAME, info.Name, sizeof info.Name);
    LoadStringA(ModuleHandle, IDS_PLUGIN_VERSION, info.Version, sizeof info.Version);
    LoadStringA(ModuleHandle, IDS_PLUGIN_AUTHOR, info.Author, sizeof info.Author);
    host.RegisterPluginInfo(ModuleHandle, &info);
}
