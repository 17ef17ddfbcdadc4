#include "plugin/module_handle.h"

HINSTANCE ModuleHandle = nullptr;

void OnProcessAttach(HINSTANCE instance) {
    ModuleHandle = instance;
}

void FindModuleHandle() {
    if (ModuleHandle == nullptr) {
        ModuleHandle = GetModuleHandleA("dovrink");
    }
}
