// GetModuleHandleA and GetProcAddress through the dynamic linker.
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <string>

#include "platform/posix/windows_api.h"

namespace {

// Windows adds ".dll" to a module name without an extension; a POSIX library is "lib<name>.so".
std::string LibraryFileName(const char *moduleName) {
    const char *base = std::strrchr(moduleName, '/');
    base = base != nullptr ? base + 1 : moduleName;
    return std::strchr(base, '.') != nullptr ? moduleName : "lib" + std::string(moduleName) + ".so";
}

// GetProcAddress searches one module; dlsym also searches what that module depends on.
bool DefinedIn(HMODULE module, void *symbol) {
    link_map *owner = nullptr;
    link_map *wanted = nullptr;
    Dl_info info;
    return dladdr1(symbol, &info, reinterpret_cast<void **>(&owner), RTLD_DL_LINKMAP) != 0 &&
           dlinfo(module, RTLD_DI_LINKMAP, &wanted) == 0 && owner == wanted;
}

} // namespace

HMODULE GetModuleHandleA(LPCSTR moduleName) {
    if (moduleName == nullptr) {
        return dlopen(nullptr, RTLD_LAZY);
    }
    try {
        // A lookup among the loaded libraries, not a load: drop the reference that dlopen adds.
        void *handle = dlopen(LibraryFileName(moduleName).c_str(), RTLD_LAZY | RTLD_NOLOAD);
        if (handle != nullptr) {
            dlclose(handle);
        }
        return handle;
    } catch (...) {
        return nullptr;
    }
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
    if (module == nullptr || procName == nullptr) {
        return nullptr;
    }
    void *symbol = dlsym(module, procName);
    if (symbol == nullptr || !DefinedIn(module, symbol)) {
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}
