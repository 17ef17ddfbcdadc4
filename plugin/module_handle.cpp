#include "plugin/module_handle.h"

#include "platform/lead_bytes.h"
#include "viewer/scan/scan_kernels.h"

HINSTANCE ModuleHandle = nullptr;

void OnProcessAttach(HINSTANCE instance) {
    ModuleHandle = instance;
    LoadLeadBytes();
    ChooseScanKernels();
}

void FindModuleHandle() {
    if (ModuleHandle == nullptr) {
        ModuleHandle = GetModuleHandleA("dovrink");
    }
}
