// The load notification of the Linux library: the dynamic linker runs this when it loads us. It
// also hands the stand-in of LoadStringA the string table that the resource script gives the DLL.
#include "platform/posix/string_resources.h"
#include "platform/posix/this_module.h"
#include "plugin/module_handle.h"
#include "plugin/resource_ids.h"

namespace {

const ModuleString Strings[] = {
    {IDS_PLUGIN_NAME, TEXT_PLUGIN_NAME},
    {IDS_PLUGIN_AUTHOR, TEXT_PLUGIN_AUTHOR},
    {IDS_PLUGIN_VERSION, TEXT_PLUGIN_VERSION},
};

__attribute__((constructor)) void AttachLibrary() {
    SetModuleStrings(Strings, sizeof Strings / sizeof *Strings);
    OnProcessAttach(ThisModule());
}

} // namespace
