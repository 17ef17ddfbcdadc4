#pragma once
// The plugin's table of the host functions (listed in host_functions.h).
#include "host/host_functions.h"

// One slot per host function, named after it. <windows.h> makes AppendMenu a macro; the member
// follows it the same way everywhere, and the export is looked up by its literal name.
struct HostFunctions {
// A type and a parameter list are pasted as they are: parentheses would break them.
// NOLINTNEXTLINE(bugprone-macro-parentheses)
#define DOVRINK_HOST_SLOT(name, result, parameters, bytes) result(WINAPI *name) parameters;
    DOVRINK_HOST_FUNCTIONS(DOVRINK_HOST_SLOT)
#undef DOVRINK_HOST_SLOT
};

// All null from load; filled once by ResolveHostApi and never cleared.
extern HostFunctions HostApi;

// Looks the ten names up in the main executable, in order, stopping at the first one missing.
// True when all ten were found.
bool ResolveHostApi();

// True once ResolveHostApi has found all ten.
bool HostApiComplete();
