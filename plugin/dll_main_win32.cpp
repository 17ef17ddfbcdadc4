// The DLL's load notification from Windows.
#include "platform/windows_api.h"
#include "plugin/module_handle.h"

// Answers success to every notification; only process attach carries news for the plugin.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        OnProcessAttach(instance);
    }
    return TRUE;
}
