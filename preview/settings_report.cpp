#include "preview/settings_report.h"

#include <cstdio>
#include <string>
#include <strings.h>
#include <vector>

#include "platform/posix/code_page.h"
#include "platform/posix/code_pages.h"
#include "platform/posix/profile_file.h"
#include "platform/posix/text_conversion.h"
#include "platform/posix/windows_path.h"
#include "platform/profile_text.h"
#include "platform/text_encoding.h"
#include "platform/windows_api.h"
#include "settings/settings.h"
#include "viewer/caption.h"

namespace {

std::string CodePageName() {
    return "code page " + std::to_string(GetACP()) + (GetACP() == 932 ? " (Shift_JIS)" : "");
}

// How the file is saved, for the reader; empty for the code page.
std::string EncodingName(SettingsEncoding encoding) {
    switch (encoding) {
    case SettingsEncoding::Utf8:
        return "UTF-8";
    case SettingsEncoding::Utf8WithMark:
        return "UTF-8 with a byte-order mark";
    case SettingsEncoding::Utf16LittleEndian:
        return "UTF-16 (little-endian)";
    case SettingsEncoding::Utf16BigEndian:
        return "UTF-16 (big-endian)";
    default:
        return "";
    }
}

// The file's text as the plugin reads it for its values: in the code page as the system reads
// it; UTF-8 as the bytes stand; UTF-16 in UTF-8.
bool FileText(const char *windowsPath, SettingsEncoding encoding, std::string &text) {
    switch (encoding) {
    case SettingsEncoding::Utf8:
    case SettingsEncoding::Utf8WithMark:
        if (!ReadFileBytes(PosixPath(windowsPath), text)) {
            return false;
        }
        text.erase(0, MarkLength(ByteOrderMarkOf(text.data(), text.size())));
        return true;
    default:
        return ReadProfileText(PosixPath(windowsPath), text);
    }
}

// The key's value as the file holds it, quotes around it taken off, as the plugin takes them: in
// UTF-8 when the file is saved in Unicode, else in the code page.
std::string ValueInFile(const char *windowsPath, const char *key, SettingsEncoding encoding) {
    if (encoding == SettingsEncoding::Ansi) {
        char value[SettingsValueSize];
        GetPrivateProfileStringA(SettingsSection, key, "", value, sizeof value, windowsPath);
        return value;
    }
    std::string text;
    ProfileEntry entry{};
    if (!FileText(windowsPath, encoding, text) ||
        !FindProfileEntry(text.data(), text.size(), SettingsSection, key, entry)) {
        return "";
    }
    std::string value(entry.Value, entry.ValueLength);
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0]) {
        value = value.substr(1, value.size() - 2);
    }
    return value;
}

// The code point of a well-formed UTF-8 sequence.
unsigned CodePointOf(const std::string &character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    unsigned c = character.size() == 1 ? lead : lead & (0x7Fu >> character.size());
    for (size_t i = 1; i < character.size(); ++i) {
        c = c << 6 | (static_cast<unsigned char>(character[i]) & 0x3Fu);
    }
    return c;
}

// The first character of UTF-8 text that the code page has no place for, with its code point,
// such as "😀 (U+1F600)"; empty when it holds them all.
std::string FirstCharacterBeyond(const std::string &utf8) {
    const char *page = FindCodePage(GetACP())->IconvName;
    for (size_t i = 0; i < utf8.size();) {
        bool wellFormed = false;
        const size_t length = Utf8SequenceLength(utf8.data() + i, utf8.size() - i, wellFormed);
        const std::string character = utf8.substr(i, length);
        std::string out;
        size_t missing = 0;
        if (!ConvertText(character, "UTF-8", page, SequenceUnit::Utf8, "", out, missing) ||
            missing > 0) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", CodePointOf(character));
            return character + " (" + code + ")";
        }
        i += length;
    }
    return "";
}

struct Report {
    std::vector<std::string> Warnings;

    // The file's line: where it is (`where`: what a relative path starts from) and how it is
    // saved, or that it is missing.
    static void PrintFile(const char *heading, const char *windowsPath, const char *where,
                          const char *role, SettingsEncoding encoding) {
        const std::string saved = EncodingName(encoding);
        std::printf("  %s, from %s%s%s:\n", heading, PosixPath(windowsPath).c_str(), where,
                    saved.empty() ? "" : (" (saved as " + saved + ")").c_str());
        if (std::FILE *file = std::fopen(PosixPath(windowsPath).c_str(), "rb")) {
            std::fclose(file);
        } else {
            std::printf("    (no such file, so the defaults for the %s hold)\n", role);
        }
    }

    // What the reader should know of a value: converted from Unicode, or why it will not match.
    void CheckValue(const std::string &name, const char *windowsPath, const char *key,
                    SettingsEncoding encoding, ValueSource source, const std::string &read) {
        const std::string saved = EncodingName(encoding);
        const std::string inFile = ValueInFile(windowsPath, key, encoding);
        if (source == ValueSource::FromUnicode) {
            std::printf("              saved as %s; read as %s\n", saved.c_str(),
                        Visible(read).c_str());
        } else if (source == ValueSource::BeyondCodePage &&
                   !IsUtf8BeyondAscii(inFile.data(), inFile.size())) {
            Warnings.push_back(name +
                               " is not UTF-8, though the file's byte-order mark says it "
                               "is: it reads as " +
                               Visible(read) +
                               " and never matches a mail. Save the file again, as UTF-8 or in " +
                               CodePageName() + ".");
        } else if (source == ValueSource::BeyondCodePage) {
            Warnings.push_back(name + " holds " + FirstCharacterBeyond(inFile) + ", which " +
                               CodePageName() + " has no place for: it reads as " + Visible(read) +
                               " and never matches a mail. Write it without that character.");
        } else if (encoding == SettingsEncoding::Ansi) {
            CheckAnsiValue(name, inFile);
        }
    }

    void CheckAnsiValue(const std::string &name, const std::string &value) {
        if (IsUtf8BeyondAscii(value.data(), value.size())) {
            Warnings.push_back(name +
                               " looks like UTF-8, but the file is not UTF-8 throughout, "
                               "so it is read in " +
                               CodePageName() +
                               " and never matches a mail: save the whole file as UTF-8, or in " +
                               CodePageName() + ".");
        } else if (!IsAnsiText(value)) {
            Warnings.push_back(name + " holds bytes that are not text in " + CodePageName() + ".");
        }
    }

    void CheckUnreadKeywords(const char *windowsPath) {
        std::string text;
        ProfileEntries entries{};
        if (!ReadProfileText(PosixPath(windowsPath), text) ||
            !FindProfileSection(text.data(), text.size(), SettingsSection, entries)) {
            return;
        }
        for (ProfileEntry entry{}; NextProfileEntry(entries, entry);) {
            const std::string name(entry.Name, entry.NameLength);
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
        PrintFile("Keywords", path, "", "keywords", settings.KeywordFileEncoding);
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
            CheckValue(key, path, key.c_str(), settings.KeywordFileEncoding,
                       settings.KeywordSources[i], keyword);
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
        PrintFile("Separator and page length", RelativeSettingsPath, " under the current directory",
                  "separator and page length", settings.SeparatorFileEncoding);
        std::printf("    separator    %s  (a section ends where a line starts with the text after "
                    "the line break)\n",
                    Visible(settings.SeparatorText).c_str());
        CheckValue("separator", RelativeSettingsPath, "separator", settings.SeparatorFileEncoding,
                   settings.SeparatorSource, settings.SeparatorText + 1);
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
