#pragma once
// The ten functions that the host executable exports for its plugins.
#include "platform/windows_api.h"

struct PluginInfo;

struct HostFunctions {
    // <windows.h> makes AppendMenu a macro; the member follows it the same way everywhere, and
    // the export is looked up by its literal name.
    FARPROC AppendMenu;
    FARPROC DeleteMenu;
    FARPROC GetMainWindow;
    FARPROC GetPostmanWindow;
    FARPROC GetHeaderTextLength;
    FARPROC GetHeaderText;
    // Byte count of the body of the message on view; 0 when there is none.
    DWORD(WINAPI *GetBodyTextLength)();
    // Writes the body, NUL-terminated, into at most `size` bytes.
    int(WINAPI *GetBodyText)(DWORD size, char *buffer);
    int(WINAPI *RegisterPluginInfo)(HINSTANCE plugin, PluginInfo *info);
    FARPROC GetVersion;
};

// All null from load; filled once by ResolveHostApi and never cleared.
extern HostFunctions HostApi;

// Looks the ten names up in the main executable, in order, stopping at the first one missing.
// True when all ten were found.
bool ResolveHostApi();

// True once ResolveHostApi has found all ten.
bool HostApiComplete();
