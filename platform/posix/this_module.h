#pragma once
#include "platform/posix/windows_api.h"

// The handle of the library or program that holds this code, as the dynamic linker knows it.
HMODULE ThisModule();
