// Settings files through the Windows API.
#include <windows.h>

#include <fstream>

#include "test_files.h"

std::string HostFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program(path, length);
    return program.substr(0, program.rfind('\\'));
}

std::string Subfolder(const std::string &folder, const std::string &name) {
    const std::string path = folder + "\\" + name;
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

void WriteSettings(const std::string &folder, const std::string &text) {
    const std::string file = Subfolder(folder, "plugins") + "\\dovrink.ini";
    if (text.empty()) {
        DeleteFileA(file.c_str());
        return;
    }
    std::ofstream(file, std::ios::binary) << text;
}

CurrentDirectory::CurrentDirectory(const std::string &folder) {
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    Previous = previous;
    SetCurrentDirectoryA(folder.c_str());
}

CurrentDirectory::~CurrentDirectory() { SetCurrentDirectoryA(Previous.c_str()); }
