#include "plugin/entry_points.h"

#include "host/host_api.h"
#include "plugin/module_handle.h"
#include "plugin/plugin_info.h"
#include "settings/settings.h"
#include "viewer/view_update.h"

// noexcept throughout: nothing may unwind into the host's frames.

int WINAPI OmbrelPlugin_Init() noexcept {
    if (!ResolveHostApi()) {
        return 0;
    }
    FindModuleHandle();
    RegisterPlugin();
    LoadSettings();
    return 1;
}

int WINAPI OmbrelPlugin_Exit() noexcept { return 1; }

void WINAPI OmbrelPlugin_OnUpdateView() noexcept {
    // After a failed initialisation the host table is incomplete: nothing may be called.
    if (HostApiComplete()) {
        HandleViewUpdate();
    }
}

void WINAPI OmbrelPlugin_OnActivate(DWORD, DWORD, DWORD) noexcept {}

void WINAPI OmbrelPlugin_OnNewPostmanInstance(DWORD) noexcept {}

void WINAPI OmbrelPlugin_OnDeletePostmanInstance(DWORD) noexcept {}

int WINAPI OmbrelPlugin_GetPluginVersion() noexcept { return PluginInterfaceVersion; }
