#pragma once
// The seven functions that the host calls, exported by these names (ordinals 1 to 7 in this order).
#include "platform/windows_api.h"

extern "C" {
int WINAPI OmbrelPlugin_Init() noexcept;
int WINAPI OmbrelPlugin_Exit() noexcept;
void WINAPI OmbrelPlugin_OnUpdateView() noexcept;
void WINAPI OmbrelPlugin_OnActivate(DWORD, DWORD, DWORD) noexcept;
void WINAPI OmbrelPlugin_OnNewPostmanInstance(DWORD) noexcept;
void WINAPI OmbrelPlugin_OnDeletePostmanInstance(DWORD) noexcept;
int WINAPI OmbrelPlugin_GetPluginVersion() noexcept;
}

// The plugin interface version that this plugin speaks.
constexpr int PluginInterfaceVersion = 0x2000;
