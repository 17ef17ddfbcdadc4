// The load notification of the POSIX library: the dynamic linker runs this when it loads us.
#include "platform/posix/this_module.h"
#include "plugin/module_handle.h"

namespace {

__attribute__((constructor)) void AttachLibrary() { OnProcessAttach(ThisModule()); }

} // namespace
