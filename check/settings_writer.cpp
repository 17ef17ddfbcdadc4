#include "check/settings_writer.h"

#include <cstdio>

#include "settings/settings.h"

namespace {

// The most backups kept beside one another before the first is reused.
constexpr int MostBackups = 99;

bool Exists(const std::string &path) {
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file != nullptr) {
        std::fclose(file);
    }
    return file != nullptr;
}

bool WriteWhole(const std::string &path, const std::string &text) {
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

// The first of dovrink.ini.bak, dovrink.ini.bak2, ... that is not taken.
std::string BackupName(const std::string &path) {
    for (int number = 1; number <= MostBackups; ++number) {
        std::string name = path + ".bak" + (number == 1 ? "" : std::to_string(number));
        if (!Exists(name)) {
            return name;
        }
    }
    return path + ".bak";
}

// The new text in place of the file at `path`, the old one kept; false, with nothing changed,
// when it cannot be.
bool Replace(const std::string &path, const std::string &text, std::string &backup) {
    const std::string fresh = path + ".new";
    if (!WriteWhole(fresh, text)) {
        std::remove(fresh.c_str());
        return false;
    }
    backup.clear();
    if (Exists(path)) {
        backup = BackupName(path);
        std::remove(backup.c_str());
        if (std::rename(path.c_str(), backup.c_str()) != 0) {
            std::remove(fresh.c_str());
            backup.clear();
            return false;
        }
    }
    if (std::rename(fresh.c_str(), path.c_str()) != 0) {
        if (!backup.empty()) {
            std::rename(backup.c_str(), path.c_str());
        }
        std::remove(fresh.c_str());
        backup.clear();
        return false;
    }
    return true;
}

// The folder's path with the file's name, joined as the folder's own path writes its folders.
std::string Joined(const std::string &folder, const char *name) {
    const char separator = folder.find('\\') != std::string::npos ? '\\' : '/';
    const bool ends = !folder.empty() && (folder.back() == '\\' || folder.back() == '/');
    return folder + (ends ? "" : std::string(1, separator)) + name;
}

} // namespace

WrittenFile WriteSettingsFile(const std::string &path, const std::string &otherFolder,
                              const std::string &text) {
    WrittenFile written{SettingsWritten::InPlace, path, {}};
    if (Replace(path, text, written.Backup)) {
        return written;
    }
    written.Path = Joined(otherFolder, SettingsFileName);
    written.Where = !otherFolder.empty() && Replace(written.Path, text, written.Backup)
                        ? SettingsWritten::Elsewhere
                        : SettingsWritten::Not;
    return written;
}
