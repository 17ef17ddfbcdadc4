#include "check/settings_report.h"

#include <cstring>

#include "diagnosis/quoted_value.h"
#include "platform/ansi_text.h"
#include "platform/windows_api.h"
#include "viewer/caption.h"

namespace {

std::string Line(const std::string &text) { return text + "\n"; }

std::string CodePage() { return std::to_string(GetACP()); }

// The value of the key in UTF-8 as the file writes it: as read, unless the code page lacks one of
// its characters.
std::string AsWritten(const SettingsFindings &findings, const char *key, const char *read) {
    for (int i = 0; i < findings.Count; ++i) {
        const SettingsFinding &finding = findings.Items[i];
        if (finding.Mistake == SettingsMistake::BeyondCodePage &&
            std::strcmp(finding.Key, key) == 0) {
            return finding.Text;
        }
    }
    return Utf8OfAnsi(read);
}

std::string FileLine(const Messages &say, const char *path, SettingsEncoding encoding,
                     const std::string &missing) {
    if (!FileExists(path)) {
        return Line(missing);
    }
    return Line(
        Fill(say.FileSavedIn, {Utf8OfAnsi(path), Fill(SavedAs(say, encoding), {CodePage()})}));
}

} // namespace

std::string DescribePlaces(const Messages &say, const SettingsPlaces *places,
                           const PluginSettings &settings) {
    std::string text = Line(say.PlacesHeading) + Line(Fill(say.KeywordPlace, {SettingsFileName}));
    if (places == nullptr) {
        return text + Line(say.PathTooLong);
    }
    const std::string file = Utf8OfAnsi(places->SettingsFile);
    text += FileLine(say, places->SettingsFile, settings.KeywordFileEncoding,
                     Fill(say.FileMissingForKeywords, {file}));
    text += Line(Fill(say.SeparatorPlace, {SettingsFileInPlugins}));
    text += FileLine(say, places->SettingsFile, settings.SeparatorFileEncoding,
                     Fill(say.FileMissingForSeparator,
                          {file, Quoted(DefaultSeparator), std::to_string(DefaultPageLines)}));
    const std::string plugin = Utf8OfAnsi(places->PluginFile);
    text +=
        Line(Fill(FileExists(places->PluginFile) ? say.PluginFound : say.PluginMissing, {plugin}));
    if (!places->InPluginsFolder) {
        text += Line(say.NotInPluginsFolder);
    }
    return text;
}

WrittenKeywords KeywordsAsWritten(const PluginSettings &settings,
                                  const SettingsFindings &findings) {
    WrittenKeywords written;
    for (int i = 0; i < KeywordCount; ++i) {
        char key[KeywordKeySize];
        KeywordKey(i, key);
        written[i] = AsWritten(findings, key, settings.Keywords[i]);
    }
    return written;
}

std::string DescribeSettings(const Messages &say, const PluginSettings &settings,
                             const SettingsFindings &findings) {
    std::string text = Line(say.SettingsHeading);
    const WrittenKeywords written = KeywordsAsWritten(settings, findings);
    int number = 0;
    for (int i = 0; i < KeywordCount; ++i) {
        const char *keyword = settings.Keywords[i];
        if (keyword[0] == '\0') {
            continue;
        }
        char key[KeywordKeySize];
        KeywordKey(i, key);
        const bool beyond = written[i] != Utf8OfAnsi(keyword);
        text += Line(beyond ? Fill(say.KeywordBeyondLine,
                                   {std::to_string(++number), key, QuotedValue(written[i])})
                            : Fill(say.KeywordLine, {std::to_string(++number), key, Quoted(keyword),
                                                     Quoted(CaptionOf(keyword))}));
    }
    if (number == 0) {
        text += Line(say.NoKeywords);
    }
    text +=
        Line(Fill(say.SeparatorLine,
                  {QuotedValue(AsWritten(findings, SeparatorKey, settings.SeparatorText + 1))}));
    text += Line(Fill(say.PageLinesLine, {std::to_string(settings.PageLines)}));
    const Words &words = WordsFor(GetACP());
    for (int i = 0; i < findings.Count; ++i) {
        const std::string mistake = DescribeMistake(words, findings.Items[i], settings, GetACP());
        text += Line("  " + Fill(words.MistakeLine, {mistake}));
    }
    return text;
}
