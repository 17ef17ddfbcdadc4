#include "plugin/module_state.h"

HostFunctions HostApi;
PluginSettings Settings;
