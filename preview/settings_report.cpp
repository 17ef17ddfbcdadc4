#include "preview/settings_report.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <strings.h>
#include <vector>

#include "platform/posix/code_page.h"
#include "platform/posix/ini_file.h"
#include "platform/posix/windows_path.h"
#include "platform/windows_api.h"
#include "settings/settings.h"
#include "viewer/caption.h"

namespace {

// Well-formed UTF-8 with at least one character beyond ASCII.
bool LooksLikeUtf8(const std::string &text) {
    bool beyondAscii = false;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80           ? 1
                              : (lead >> 5) == 0x6  ? 2
                              : (lead >> 4) == 0xE  ? 3
                              : (lead >> 3) == 0x1E ? 4
                                                    : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        beyondAscii = beyondAscii || length > 1;
        i += length;
    }
    return beyondAscii;
}

std::string ReadValue(const char *key, const char *path) {
    char value[SettingsValueSize];
    GetPrivateProfileStringA(SettingsSection, key, "", value, sizeof value, path);
    return value;
}

struct Report {
    std::vector<std::string> Warnings;
    std::set<std::string> FilesChecked; // by real path: both roles may name one file

    void CheckText(const std::string &name, const std::string &value) {
        const std::string page = std::to_string(GetACP()) + (GetACP() == 932 ? " (Shift_JIS)" : "");
        if (LooksLikeUtf8(value)) {
            Warnings.push_back(name +
                               " looks like UTF-8, which never matches a mail in code page " +
                               page + ": save the file in code page " + page + ", not UTF-8.");
        } else if (!IsAnsiText(value)) {
            Warnings.push_back(name + " holds bytes that are not text in code page " + page + ".");
        }
    }

    void CheckFile(const char *windowsPath, const char *role) {
        const std::string path = PosixPath(windowsPath);
        FILE *file = std::fopen(path.c_str(), "rb");
        if (file == nullptr) {
            std::printf("    (no such file, so the defaults for the %s hold)\n", role);
            return;
        }
        char *resolved = realpath(path.c_str(), nullptr);
        const bool seen = resolved != nullptr && !FilesChecked.insert(resolved).second;
        std::free(resolved);
        if (seen) {
            std::fclose(file);
            return;
        }
        unsigned char start[3] = {};
        const bool bom = std::fread(start, 1, 3, file) == 3 && start[0] == 0xEF &&
                         start[1] == 0xBB && start[2] == 0xBF;
        std::fclose(file);
        if (bom) {
            Warnings.push_back(path + " starts with a UTF-8 byte-order mark: the file is read as "
                                      "ANSI text, where the mark spoils the section line after it "
                                      "and the keys of that section are not found. Save it in the "
                                      "ANSI code page, without a byte-order mark.");
        }
    }

    void CheckUnreadKeywords(const char *windowsPath) {
        IniFile file;
        if (!ReadIniFile(PosixPath(windowsPath), file)) {
            return;
        }
        const IniSection *section = FindIniSection(file, SettingsSection);
        if (section == nullptr) {
            return;
        }
        for (const IniEntry &entry : section->Entries) {
            const std::string name = entry.Name;
            // Only single digits below KeywordCount are asked for: a larger or longer number
            // ("keyword9", "keyword08") is a key that nothing reads.
            const bool numbered = name.size() > 7 && strncasecmp(name.c_str(), "keyword", 7) == 0 &&
                                  name.find_first_not_of("0123456789", 7) == std::string::npos;
            const bool read = name.size() == 8 && name[7] < '0' + KeywordCount;
            if (numbered && !read) {
                Warnings.push_back(name + " is never read: only keyword0 to keyword" +
                                   std::to_string(KeywordCount - 1) + " count.");
            }
        }
    }

    void PrintKeywords(const char *path, const PluginSettings &settings) {
        std::printf("  Keywords, from %s:\n", PosixPath(path).c_str());
        CheckFile(path, "keywords");
        bool anySet = false;
        for (int i = 0; i < KeywordCount; ++i) {
            const std::string key = "keyword" + std::to_string(i);
            const char *keyword = settings.Keywords[i];
            if (keyword[0] == '\0') {
                continue;
            }
            anySet = true;
            const char *caption = CaptionOf(keyword);
            std::printf("    %s  %s  (box caption %s)\n", key.c_str(), Visible(keyword).c_str(),
                        Visible(caption).c_str());
            CheckText(key, ReadValue(key.c_str(), path));
            if (*caption == '\0') {
                Warnings.push_back(key + " has " + std::to_string(ExcerptSkip) +
                                   " bytes or fewer: a box caption leaves out the first " +
                                   std::to_string(ExcerptSkip) + ", so its boxes have none.");
            }
        }
        if (!anySet) {
            std::printf("    none: nothing will be shown\n");
        }
        CheckUnreadKeywords(path);
    }

    void PrintSeparatorAndPageLength(const PluginSettings &settings) {
        std::printf("  Separator and page length, from %s under the current directory:\n",
                    PosixPath(RelativeSettingsPath).c_str());
        CheckFile(RelativeSettingsPath, "separator and page length");
        std::printf("    separator    %s  (a section ends where a line starts with the text after "
                    "the line break)\n",
                    Visible(settings.SeparatorText).c_str());
        CheckText("separator", ReadValue("separator", RelativeSettingsPath));
        std::printf("    page length  %d lines a box\n", static_cast<int>(settings.PageLines));
        const auto asRead = static_cast<int>(GetPrivateProfileIntA(
            SettingsSection, "line", settings.PageLines, RelativeSettingsPath));
        if (asRead != settings.PageLines) {
            Warnings.push_back("line reads as " + std::to_string(asRead) + ", below " +
                               std::to_string(FewestPageLines) + ": boxes hold " +
                               std::to_string(settings.PageLines) + " lines instead.");
        }
    }

    void PrintWarnings() const {
        if (Warnings.empty()) {
            std::printf("  No warnings.\n\n");
            return;
        }
        for (const std::string &warning : Warnings) {
            std::printf("  Warning: %s\n", warning.c_str());
        }
        std::printf("\n");
    }
};

} // namespace

std::string Visible(const std::string &ansi) {
    std::string shown = "\"";
    for (const char c : AnsiToUtf8(ansi)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r') {
            shown += "\\r";
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (c == '"' || c == '\\') {
            shown += std::string("\\") + c;
        } else if (byte < 0x20 || byte == 0x7F) {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02X", byte);
            shown += code;
        } else {
            shown += c;
        }
    }
    return shown + "\"";
}

void PrintSettingsReport(const PluginInspection &plugin) {
    const PluginSettings &settings = *plugin.Settings;
    std::printf("Settings, as the plugin reads them (code page %u):\n", GetACP());
    Report report;
    char path[SettingsPathSize];
    if (plugin.KeywordFile(path)) {
        report.PrintKeywords(path, settings);
    } else {
        std::printf("  Keywords: none, the host's path is too long for the settings file's name\n");
    }
    report.PrintSeparatorAndPageLength(settings);
    report.PrintWarnings();
}
