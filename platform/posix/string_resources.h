#pragma once
#include "platform/posix/windows_api.h"

// The library's string table by ID, null for an ID it does not hold. The library that links the
// POSIX stand-ins provides it, as a resource script does for a Windows module.
const char *ModuleString(UINT id);
