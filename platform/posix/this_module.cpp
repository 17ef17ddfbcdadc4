#include "platform/posix/this_module.h"

#include <dlfcn.h>

HMODULE ThisModule() {
    Dl_info info;
    if (dladdr(reinterpret_cast<void *>(&ThisModule), &info) == 0 || info.dli_fname == nullptr) {
        return nullptr;
    }
    // A lookup, not a load: drop the reference that dlopen adds.
    void *handle = dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
    if (handle != nullptr) {
        dlclose(handle);
    }
    return handle;
}
