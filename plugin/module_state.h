#pragma once
// Everything the plugin keeps from load to unload, each piece written only by its owner:
//     HostApi       here                    filled by ResolveHostApi, in initialisation
//     Settings      here                    read by LoadSettings, in initialisation
//     ModuleHandle  plugin/module_handle.h  set by OnProcessAttach or FindModuleHandle
//     lead bytes    platform/lead_bytes.h   taken by LoadLeadBytes, in OnProcessAttach
//     Kernels       viewer/scan/scan_kernels.h  chosen by ChooseScanKernels, in OnProcessAttach
// A new piece of module state belongs in this list and, unless the load notification takes it
// afresh, in the unit tests' ResetModuleState (tests/unit/fake_system.h), which loads the plugin
// again in one process.
#include "host/host_api.h"
#include "settings/settings.h"

// The host's functions: all null from load; filled once and never cleared.
extern HostFunctions HostApi;

// The settings: empty with the default page length from load, until initialisation reads them.
extern PluginSettings Settings;
