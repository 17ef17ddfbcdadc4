#pragma once
// The stand-in mail client's side of the plugin interface: the ten functions it exports by name.
#include <string>
#include <vector>

#include "host/host_functions.h"

// The body of the message on view, as the plugin fetches it.
void SetMessageOnView(std::string body);
const std::string &MessageOnView();

// The handle that the loaded plugin library is known by, to recognise it at registration.
void SetPluginHandle(HMODULE plugin);

// A box as the terminal message boxes report it: its caption in the code page, and its answer.
struct ShownBox {
    std::string Caption;
    bool Cancelled;
};

// The boxes that the plugin has shown since the last call, in order.
std::vector<ShownBox> TakeShownBoxes();

extern "C" {
#define DOVRINK_HOST_EXPORT(name, result, parameters, bytes) result WINAPI name parameters;
DOVRINK_HOST_FUNCTIONS(DOVRINK_HOST_EXPORT)
#undef DOVRINK_HOST_EXPORT
// Not a host function: where the terminal message boxes report each box once answered.
void DovrinkWatchBox(const char *caption, int cancelled);
}
