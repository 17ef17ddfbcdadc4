// GetModuleFileNameA for the main program: the host's path, shown the Windows way.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>

#include "platform/posix/environment.h"
#include "platform/posix/program_path.h"
#include "platform/posix/windows_api.h"
#include "platform/posix/windows_path.h"

namespace {

std::string AbsoluteFolder(const char *folder) {
    // Owned at once, so that the copy below running out of memory does not leak it.
    const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(folder, nullptr),
                                                               &std::free);
    if (resolved != nullptr) {
        return resolved.get();
    }
    if (folder[0] == '/') {
        return folder;
    }
    char here[4096];
    return getcwd(here, sizeof here) ? std::string(here) + "/" + folder : std::string();
}

// The program's own path, or its name inside the folder that the environment makes the host's.
std::string HostProgramPath() {
    std::string program = ProgramPath();
    const char *hostDir = std::getenv(HostDirVariable);
    if (program.empty() || hostDir == nullptr || *hostDir == '\0') {
        return program;
    }
    const std::string folder = AbsoluteFolder(hostDir);
    return folder.empty() ? std::string() : folder + "/" + program.substr(program.rfind('/') + 1);
}

} // namespace

DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size) {
    // The core asks only for the main program's name.
    if (module != nullptr || size == 0) {
        return 0;
    }
    try {
        const std::string path = WindowsPath(HostProgramPath());
        if (path.empty()) {
            fileName[0] = '\0';
            return 0;
        }
        const size_t kept = std::min<size_t>(path.size(), size - 1);
        std::memcpy(fileName, path.data(), kept);
        fileName[kept] = '\0';
        // As on Windows: a name cut to fit reports the whole buffer size.
        return path.size() < size ? static_cast<DWORD>(kept) : size;
    } catch (...) {
        fileName[0] = '\0';
        return 0;
    }
}
