#pragma once
#include "platform/windows_api.h"

// The plugin's own instance handle: the module that holds its string table.
extern HINSTANCE ModuleHandle;

// The operating system's load notification for this library.
void OnProcessAttach(HINSTANCE instance);

// Fills ModuleHandle by the module's name when the load notification did not supply it.
void FindModuleHandle();
