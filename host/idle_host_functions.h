#pragma once
// The seven host functions that a plugin only looks up, as a host without menus, windows or
// header text answers them: written once for the stand-in hosts (the preview's and the tests'),
// which export them under names of their own. DOVRINK_IDLE_HOST_FUNCTIONS(NAME) defines each
// function F as NAME(F).
#include "host/copy_text.h"
#include "host/host_functions.h"

// The stand-in hosts' own version, for plugins that ask.
constexpr DWORD StandInHostVersion = 0x0100;

// The header text is empty: its length counts the terminator alone.
#define DOVRINK_IDLE_HOST_FUNCTIONS(NAME)                                                          \
    int WINAPI NAME(AppendMenu)() { return 0; }                                                    \
    int WINAPI NAME(DeleteMenu)() { return 0; }                                                    \
    HWND WINAPI NAME(GetMainWindow)() { return nullptr; }                                          \
    HWND WINAPI NAME(GetPostmanWindow)() { return nullptr; }                                       \
    DWORD WINAPI NAME(GetHeaderTextLength)() { return 1; }                                         \
    int WINAPI NAME(GetHeaderText)(DWORD size, char *buffer) {                                     \
        return CopyText("", 0, size, buffer);                                                      \
    }                                                                                              \
    DWORD WINAPI NAME(GetVersion)() { return StandInHostVersion; }
