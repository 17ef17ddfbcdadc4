// Settings files in a folder of the test run's own, which plays the host's folder.
#include "test_files.h"

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

std::string Subfolder(const std::string &folder, const std::string &name) {
    const fs::path path = fs::path(folder) / name;
    fs::create_directories(path);
    return path.string();
}

void WriteSettings(const std::string &folder, const std::string &text) {
    const fs::path file = fs::path(Subfolder(folder, "plugins")) / "dovrink.ini";
    if (text.empty()) {
        fs::remove(file);
        return;
    }
    std::ofstream(file, std::ios::binary) << text;
}

CurrentDirectory::CurrentDirectory(const std::string &folder) : Previous(fs::current_path()) {
    fs::current_path(folder);
}

CurrentDirectory::~CurrentDirectory() { fs::current_path(Previous); }
