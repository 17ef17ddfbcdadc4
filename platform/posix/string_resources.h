#pragma once
#include <cstddef>

#include "platform/posix/windows_api.h"

// One string of a module's string table.
struct ModuleString {
    UINT Id;
    const char *Text;
};

// The table that LoadStringA reads for this library, as a resource script gives a Windows module
// its own: the library hands it over when it loads. `strings` lives as long as the library.
void SetModuleStrings(const ModuleString *strings, size_t count);
