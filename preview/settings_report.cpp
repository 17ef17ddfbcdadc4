#include "preview/settings_report.h"

#include <cstdio>
#include <string>

#include "diagnosis/quoted_value.h"
#include "diagnosis/settings_check.h"
#include "platform/posix/code_page.h"
#include "platform/posix/regular_file.h"
#include "platform/posix/windows_path.h"
#include "platform/windows_api.h"
#include "settings/settings.h"
#include "viewer/caption.h"

namespace {

std::string CodePageNamed() { return "code page " + CodePageName(GetACP()); }

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
    case SettingsEncoding::Ansi:
        return "";
    }
    return "";
}

// The value of the key as the plugin read it.
std::string ValueRead(const std::string &key, const PluginSettings &settings) {
    if (key == "separator") {
        return settings.SeparatorText + 1;
    }
    return settings.Keywords[key.back() - '0'];
}

// The warning for the reader about one finding.
std::string Warning(const SettingsFinding &finding, const PluginSettings &settings) {
    const std::string key = finding.Key;
    const std::string page = CodePageNamed();
    switch (finding.Mistake) {
    case SettingsMistake::NoCaption:
        return key + " has " + std::to_string(ExcerptSkip) +
               " bytes or fewer: a box caption leaves out the first " +
               std::to_string(ExcerptSkip) + ", so its boxes have none.";
    case SettingsMistake::NeverRead:
        return key + " is never read: only keyword0 to keyword" + std::to_string(KeywordCount - 1) +
               " count.";
    case SettingsMistake::FewPageLines:
        return "line reads as " + std::to_string(finding.Number) + ", below " +
               std::to_string(FewestPageLines) + ": boxes hold " +
               std::to_string(settings.PageLines) + " lines instead.";
    case SettingsMistake::BeyondCodePage:
        return key + " holds " + CharacterAndCode(finding.Number) + ", which " + page +
               " has no place for: it reads as " + Visible(ValueRead(key, settings)) +
               " and never matches a mail. Write it without that character.";
    case SettingsMistake::MarkOverOther:
        return key + " is not UTF-8, though the file's byte-order mark says it is: it reads as " +
               Visible(ValueRead(key, settings)) +
               " and never matches a mail. Save the file again, as UTF-8 or in " + page + ".";
    case SettingsMistake::Utf8InAnsiFile:
        return key + " looks like UTF-8, but the file is not UTF-8 throughout, so it is read in " +
               page + " and never matches a mail: save the whole file as UTF-8, or in " + page +
               ".";
    case SettingsMistake::NotText:
        return key + " holds bytes that are not text in " + page + ".";
    }
    return "";
}

// The file's line: where it is (`where`: what a relative path starts from) and how it is saved,
// or that it is missing.
void PrintFile(const char *heading, const char *windowsPath, const char *where, const char *role,
               SettingsEncoding encoding) {
    const std::string saved = EncodingName(encoding);
    std::printf("  %s, from %s%s%s:\n", heading, PosixPath(windowsPath).c_str(), where,
                saved.empty() ? "" : (" (saved as " + saved + ")").c_str());
    bool special = false;
    if (std::FILE *file = OpenRegularFile(PosixPath(windowsPath), special)) {
        std::fclose(file);
    } else {
        std::printf("    (no such file, so the defaults for the %s hold)\n", role);
    }
}

// A value taken from the file's Unicode text, as it was converted.
void PrintConversion(SettingsEncoding encoding, ValueSource source, const char *read) {
    if (source == ValueSource::FromUnicode) {
        std::printf("              saved as %s; read as %s\n", EncodingName(encoding).c_str(),
                    Visible(read).c_str());
    }
}

void PrintKeywords(const char *path, const PluginSettings &settings) {
    PrintFile("Keywords", path, "", "keywords", settings.KeywordFileEncoding);
    bool anySet = false;
    for (int i = 0; i < KeywordCount; ++i) {
        const char *keyword = settings.Keywords[i];
        if (keyword[0] == '\0') {
            continue;
        }
        anySet = true;
        std::printf("    keyword%d  %s  (box caption %s)\n", i, Visible(keyword).c_str(),
                    Visible(CaptionOf(keyword)).c_str());
        PrintConversion(settings.KeywordFileEncoding, settings.KeywordSources[i], keyword);
    }
    if (!anySet) {
        std::printf("    none: nothing will be shown\n");
    }
}

void PrintSeparatorAndPageLength(const PluginSettings &settings) {
    PrintFile("Separator and page length", RelativeSettingsPath, " under the current directory",
              "separator and page length", settings.SeparatorFileEncoding);
    std::printf("    separator    %s  (a section ends where a line starts with the text after "
                "the line break)\n",
                Visible(settings.SeparatorText).c_str());
    PrintConversion(settings.SeparatorFileEncoding, settings.SeparatorSource,
                    settings.SeparatorText + 1);
    std::printf("    page length  %d lines a box\n", static_cast<int>(settings.PageLines));
}

void PrintWarnings(const SettingsFindings &findings, const PluginSettings &settings) {
    if (findings.Count == 0) {
        std::printf("  No warnings.\n\n");
        return;
    }
    for (int i = 0; i < findings.Count; ++i) {
        std::printf("  Warning: %s\n", Warning(findings.Items[i], settings).c_str());
    }
    std::printf("\n");
}

} // namespace

std::string Visible(const std::string &ansi) { return QuotedValue(AnsiToUtf8(ansi)); }

void PrintSettingsReport(const PluginInspection &plugin) {
    const PluginSettings &settings = *plugin.Settings;
    std::printf("Settings, as the plugin reads them (code page %u):\n", GetACP());
    char path[SettingsPathSize];
    const bool keywordFile = plugin.KeywordFile(path);
    if (keywordFile) {
        PrintKeywords(path, settings);
    } else {
        std::printf("  Keywords: none, the host's path is too long for the settings file's name\n");
    }
    PrintSeparatorAndPageLength(settings);
    SettingsFindings findings;
    plugin.CheckSettings(keywordFile ? path : nullptr, RelativeSettingsPath, settings, findings);
    PrintWarnings(findings, settings);
}
