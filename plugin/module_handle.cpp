#include "plugin/module_handle.h"

#include "viewer/lead_bytes.h"

HINSTANCE ModuleHandle = nullptr;

void OnProcessAttach(HINSTANCE instance) {
    ModuleHandle = instance;
    LoadLeadBytes();
}

void FindModuleHandle() {
    if (ModuleHandle == nullptr) {
        ModuleHandle = GetModuleHandleA("dovrink");
    }
}
