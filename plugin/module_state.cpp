#include "plugin/module_state.h"

#include "host/host_api.h"
#include "plugin/module_handle.h"
#include "settings/settings.h"

void ResetModuleState() {
    HostApi = HostFunctions{};
    Settings = PluginSettings{};
    ModuleHandle = nullptr;
}
