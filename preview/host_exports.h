#pragma once
// The stand-in mail client's side of the plugin interface: the ten functions it exports by name.
#include <string>

#include "platform/windows_api.h"

// The body of the message on view, as the plugin fetches it.
void SetMessageOnView(const std::string &body);

// The handle that the loaded plugin library is known by, to recognise it at registration.
void SetPluginHandle(HMODULE plugin);

// True once the plugin has registered itself.
bool PluginRegistered();

// The boxes that the plugin has shown so far, as the terminal boxes report them.
size_t BoxesShown();

extern "C" {
int WINAPI AppendMenu();
int WINAPI DeleteMenu();
HWND WINAPI GetMainWindow();
HWND WINAPI GetPostmanWindow();
DWORD WINAPI GetHeaderTextLength();
int WINAPI GetHeaderText(DWORD size, char *buffer);
DWORD WINAPI GetBodyTextLength();
int WINAPI GetBodyText(DWORD size, char *buffer);
int WINAPI RegisterPluginInfo(HINSTANCE plugin, void *info);
DWORD WINAPI GetVersion();
// Not a host function: where the terminal message boxes report each box they show.
void DovrinkWatchBox();
}
