#include "plugin/entry_points.h"

#include "plugin/module_handle.h"
#include "plugin/module_state.h"
#include "plugin/plugin_info.h"
#include "plugin/view_update.h"

int WINAPI OmbrelPlugin_Init() noexcept {
    if (!ResolveHostApi(HostApi)) {
        return 0;
    }
    FindModuleHandle();
    RegisterPlugin(HostApi);
    LoadSettings(Settings);
    return 1;
}

int WINAPI OmbrelPlugin_Exit() noexcept { return 1; }

void WINAPI OmbrelPlugin_OnUpdateView() noexcept {
    // After a failed initialisation the host table is incomplete: nothing may be called.
    if (HostApiComplete(HostApi)) {
        HandleViewUpdate(HostApi, Settings);
    }
}

void WINAPI OmbrelPlugin_OnActivate(DWORD, DWORD, DWORD) noexcept {}

void WINAPI OmbrelPlugin_OnNewPostmanInstance(DWORD) noexcept {}

void WINAPI OmbrelPlugin_OnDeletePostmanInstance(DWORD) noexcept {}

int WINAPI OmbrelPlugin_GetPluginVersion() noexcept { return PluginInterfaceVersion; }
