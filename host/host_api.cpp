#include "host/host_api.h"

#include "platform/symbol_binding.h"

HostFunctions HostApi;

bool ResolveHostApi() {
    HMODULE host = GetModuleHandleA(nullptr);
    // In list order, stopping at the first name missing.
#define DOVRINK_RESOLVE(name, result, parameters, bytes)                                           \
    &&BindSymbol(GetProcAddress(host, #name), HostApi.name)
    return true DOVRINK_HOST_FUNCTIONS(DOVRINK_RESOLVE);
#undef DOVRINK_RESOLVE
}

bool HostApiComplete() {
    bool complete = true;
#define DOVRINK_FILLED(name, result, parameters, bytes)                                            \
    complete = complete && HostApi.name != nullptr;
    DOVRINK_HOST_FUNCTIONS(DOVRINK_FILLED)
#undef DOVRINK_FILLED
    return complete;
}
