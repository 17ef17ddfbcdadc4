#pragma once
// The ten functions that the host executable exports for its plugins, in the order the plugin
// looks them up: the one list that the plugin's table, its lookup, the stand-in hosts' exports,
// their linker files and their tests are made from. Each entry is
//     X(name, return type, (parameters), bytes of arguments on the stack)
// The plugin calls only three, whose signatures it fixes:
//     GetBodyTextLength: the byte count of the body of the message on view; 0 when there is none.
//     GetBodyText: writes the body, NUL-terminated, into at most `size` bytes.
//     RegisterPluginInfo: takes the plugin's handle and its record for the length of the call.
// The other seven need only exist; their signatures are those the stand-in hosts give them.
// It includes nothing, so that the linker files can be made from it by the preprocessor alone;
// host_functions.h brings the types it names.
#define DOVRINK_HOST_FUNCTIONS(X)                                                                  \
    X(AppendMenu, int, (), 0)                                                                      \
    X(DeleteMenu, int, (), 0)                                                                      \
    X(GetMainWindow, HWND, (), 0)                                                                  \
    X(GetPostmanWindow, HWND, (), 0)                                                               \
    X(GetHeaderTextLength, DWORD, (), 0)                                                           \
    X(GetHeaderText, int, (DWORD size, char *buffer), 8)                                           \
    X(GetBodyTextLength, DWORD, (), 0)                                                             \
    X(GetBodyText, int, (DWORD size, char *buffer), 8)                                             \
    X(RegisterPluginInfo, int, (HINSTANCE plugin, PluginInfo * info), 8)                           \
    X(GetVersion, DWORD, (), 0)
