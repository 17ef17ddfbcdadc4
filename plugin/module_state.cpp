#include "plugin/module_state.h"

#include "plugin/module_handle.h"

HostFunctions HostApi;
PluginSettings Settings;

void ResetModuleState() {
    HostApi = HostFunctions{};
    Settings = PluginSettings{};
    ModuleHandle = nullptr;
}
