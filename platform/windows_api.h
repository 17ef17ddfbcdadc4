#pragma once
// The core's only door to the operating system: the real Windows API in the DLL, stand-ins with
// the same names and contracts in the Linux library.
#ifdef _WIN32
#include <windows.h>
#else
#include "platform/posix/windows_api.h"
#endif
