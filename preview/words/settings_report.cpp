#include "preview/words/settings_report.h"

#include <cstdio>
#include <string>

#include "diagnosis/quoted_value.h"
#include "diagnosis/settings_check.h"
#include "diagnosis/words.h"
#include "platform/posix/regular_file.h"
#include "platform/posix/windows_path.h"
#include "platform/windows_api.h"
#include "settings/settings.h"
#include "viewer/caption.h"

namespace {

// The file's line: where it is (`where`: what a relative path starts from) and how it is saved,
// or that it is missing.
void PrintFile(const char *heading, const char *windowsPath, const char *where, const char *role,
               SettingsEncoding encoding) {
    const std::string saved =
        encoding == SettingsEncoding::Ansi
            ? std::string()
            : std::string(" (saved ") + SavedAs(EnglishWords(), encoding) + ")";
    std::printf("  %s, from %s%s%s:\n", heading, PosixPath(windowsPath).c_str(), where,
                saved.c_str());
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
        std::printf("              saved %s; read as %s\n", SavedAs(EnglishWords(), encoding),
                    Quoted(read).c_str());
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
        std::printf("    keyword%d  %s  (box caption %s)\n", i, Quoted(keyword).c_str(),
                    Quoted(CaptionOf(keyword)).c_str());
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
                Quoted(settings.SeparatorText).c_str());
    PrintConversion(settings.SeparatorFileEncoding, settings.SeparatorSource,
                    settings.SeparatorText + 1);
    std::printf("    page length  %d lines a box\n", static_cast<int>(settings.PageLines));
}

void PrintMistakes(const SettingsFindings &findings, const PluginSettings &settings) {
    const Words &say = EnglishWords();
    for (int i = 0; i < findings.Count; ++i) {
        const std::string mistake = DescribeMistake(say, findings.Items[i], settings, GetACP());
        std::printf("  %s\n", Fill(say.MistakeLine, {mistake}).c_str());
    }
    std::printf("\n");
}

} // namespace

int PrintSettingsReport(const PluginInspection &plugin) {
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
    PrintMistakes(findings, settings);
    return findings.Count;
}
