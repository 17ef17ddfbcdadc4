#pragma once
// Replaces a function that a loaded module imports by name, in its import address table: the
// module's own calls then reach the replacement, and nothing of the module changes on disk.
#include <windows.h>

// True when `module` imports `function` from `library` and the slot now holds `replacement`.
bool PatchImport(HMODULE module, const char *library, const char *function, void *replacement);
