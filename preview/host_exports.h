#pragma once
// The stand-in mail client's side of the plugin interface: the ten functions it exports by name.
#include <string>
#include <vector>

#include "platform/windows_api.h"

// The body of the message on view, as the plugin fetches it.
void SetMessageOnView(const std::string &body);

// The handle that the loaded plugin library is known by, to recognise it at registration.
void SetPluginHandle(HMODULE plugin);

// True once the plugin has registered itself.
bool PluginRegistered();

// A box as the terminal message boxes report it: its caption in the code page, and its answer.
struct ShownBox {
    std::string Caption;
    bool Cancelled;
};

// The boxes that the plugin has shown since the last call, in order.
std::vector<ShownBox> TakeShownBoxes();

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
// Not a host function: where the terminal message boxes report each box once answered.
void DovrinkWatchBox(const char *caption, int cancelled);
}
