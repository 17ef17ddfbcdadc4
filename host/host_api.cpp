#include "host/host_api.h"

#include "platform/symbol_binding.h"

bool ResolveHostApi(HostFunctions &table) {
    HMODULE host = GetModuleHandleA(nullptr);
    // In list order, stopping at the first name missing.
#define DOVRINK_RESOLVE(name, result, parameters, bytes)                                           \
    &&BindSymbol(GetProcAddress(host, #name), table.name)
    return true DOVRINK_HOST_FUNCTIONS(DOVRINK_RESOLVE);
#undef DOVRINK_RESOLVE
}

bool HostApiComplete(const HostFunctions &table) {
    bool complete = true;
#define DOVRINK_FILLED(name, result, parameters, bytes)                                            \
    complete = complete && table.name != nullptr;
    DOVRINK_HOST_FUNCTIONS(DOVRINK_FILLED)
#undef DOVRINK_FILLED
    return complete;
}
