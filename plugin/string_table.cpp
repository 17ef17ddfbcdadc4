// The string table of the POSIX build: what the resource script gives the Windows DLL.
#include "platform/posix/string_resources.h"
#include "plugin/resource_ids.h"

const char *ModuleString(UINT id) {
    switch (id) {
    case IDS_PLUGIN_NAME:
        return TEXT_PLUGIN_NAME;
    case IDS_PLUGIN_AUTHOR:
        return TEXT_PLUGIN_AUTHOR;
    case IDS_PLUGIN_VERSION:
        return TEXT_PLUGIN_VERSION;
    default:
        return nullptr;
    }
}
