#pragma once
// The host functions (host_function_list.h) with the types they name.
#include "host/host_function_list.h"
#include "platform/windows_api.h"

struct PluginInfo;

// The exports' names, in lookup order.
#define DOVRINK_HOST_FUNCTION_NAME(name, result, parameters, bytes) #name,
constexpr const char *HostFunctionNames[] = {DOVRINK_HOST_FUNCTIONS(DOVRINK_HOST_FUNCTION_NAME)};
#undef DOVRINK_HOST_FUNCTION_NAME
constexpr int HostFunctionCount = sizeof HostFunctionNames / sizeof *HostFunctionNames;
