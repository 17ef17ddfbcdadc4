#pragma once
// The plugin's table of the host functions (listed in host_function_list.h).
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

// Looks the ten names up in the main executable, in order, into `table`, stopping at the first
// one missing: it and the slots after it stay null. True when all ten were found.
bool ResolveHostApi(HostFunctions &table);

// True when all ten slots of the table are filled.
bool HostApiComplete(const HostFunctions &table);
