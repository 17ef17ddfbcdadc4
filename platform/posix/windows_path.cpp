#include "platform/posix/windows_path.h"

#include <algorithm>
#include <cstring>
#include <sstream>
#include <vector>

namespace {

// Windows resolves "." and ".." by the names alone, before it looks at the disk.
std::string Normalised(const std::string &path) {
    const bool absolute = !path.empty() && path[0] == '/';
    std::vector<std::string> names;
    std::istringstream parts(path);
    for (std::string name; std::getline(parts, name, '/');) {
        if (name.empty() || name == ".") {
            continue;
        }
        if (name == ".." && !names.empty() && names.back() != "..") {
            names.pop_back();
        } else if (name != ".." || !absolute) {
            names.push_back(name);
        }
    }
    std::string normalised = absolute ? "/" : "";
    for (const std::string &name : names) {
        normalised += (normalised.empty() || normalised == "/" ? "" : "/") + name;
    }
    return normalised.empty() ? "." : normalised;
}

} // namespace

std::string PosixPath(const char *windowsPath) {
    std::string path = windowsPath;
    std::replace(path.begin(), path.end(), '\\', '/');
    return Normalised(path);
}

std::string WindowsPath(const std::string &posixPath) {
    std::string path = posixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

bool NamesFolder(const char *windowsPath) { return std::strpbrk(windowsPath, "\\/") != nullptr; }
