#pragma once
// The core's only door to the operating system: the real Windows API in the DLL, stand-ins with
// the same names and contracts in the Linux library.
#ifdef _WIN32
// Without the headers of common dialogs and the like, whose macros (FindText) rename the core's own
// functions.
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include "platform/posix/windows_api.h"
#endif
