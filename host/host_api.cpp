#include "host/host_api.h"

HostFunctions HostApi;

namespace {

template <typename Function> bool Resolve(HMODULE host, const char *name, Function &slot) {
    // Through void(*)(), the one function pointer type that converts to any other quietly.
    slot = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(host, name)));
    return slot != nullptr;
}

} // namespace

bool ResolveHostApi() {
    HMODULE host = GetModuleHandleA(nullptr);
    return Resolve(host, "AppendMenu", HostApi.AppendMenu) &&
           Resolve(host, "DeleteMenu", HostApi.DeleteMenu) &&
           Resolve(host, "GetMainWindow", HostApi.GetMainWindow) &&
           Resolve(host, "GetPostmanWindow", HostApi.GetPostmanWindow) &&
           Resolve(host, "GetHeaderTextLength", HostApi.GetHeaderTextLength) &&
           Resolve(host, "GetHeaderText", HostApi.GetHeaderText) &&
           Resolve(host, "GetBodyTextLength", HostApi.GetBodyTextLength) &&
           Resolve(host, "GetBodyText", HostApi.GetBodyText) &&
           Resolve(host, "RegisterPluginInfo", HostApi.RegisterPluginInfo) &&
           Resolve(host, "GetVersion", HostApi.GetVersion);
}

bool HostApiComplete() { return HostApi.GetVersion != nullptr; }
