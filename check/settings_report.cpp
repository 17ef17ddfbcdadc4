#include "check/settings_report.h"

#include "check/conversions.h"
#include "check/shown_text.h"
#include "diagnosis/quoted_value.h"
#include "platform/windows_api.h"
#include "viewer/caption.h"

namespace {

std::string Line(const std::string &text) { return text + "\n"; }

std::string CodePage() { return std::to_string(GetACP()); }

std::string FileLine(const Messages &say, const char *path, SettingsEncoding encoding,
                     const std::string &missing) {
    if (!FileExists(path)) {
        return Line(missing);
    }
    return Line(
        Fill(say.FileSavedIn, {Utf8OfAnsi(path), Fill(SavedAs(say, encoding), {CodePage()})}));
}

std::string Mistake(const Messages &say, const SettingsFinding &finding,
                    const PluginSettings &settings) {
    const std::string key = finding.Key;
    switch (finding.Mistake) {
    case SettingsMistake::NoCaption:
        return Fill(say.NoCaption, {key, std::to_string(ExcerptSkip)});
    case SettingsMistake::NeverRead:
        return Fill(say.NeverRead, {key, std::to_string(KeywordCount - 1)});
    case SettingsMistake::FewPageLines:
        return Fill(say.FewPageLines,
                    {std::to_string(finding.Number), std::to_string(FewestPageLines),
                     std::to_string(settings.PageLines)});
    case SettingsMistake::BeyondCodePage:
        return Fill(say.BeyondCodePage, {key, CharacterAndCode(finding.Number), CodePage()});
    case SettingsMistake::MarkOverOther:
        return Fill(say.MarkOverOther, {key, CodePage()});
    case SettingsMistake::Utf8InAnsiFile:
        return Fill(say.Utf8InAnsiFile, {key, CodePage()});
    case SettingsMistake::NotText:
        return Fill(say.NotText, {key, CodePage()});
    }
    return finding.Key;
}

} // namespace

std::string DescribePlaces(const Messages &say, const SettingsPlaces *places,
                           const PluginSettings &settings) {
    std::string text = Line(say.PlacesHeading) + Line(say.KeywordPlace);
    if (places == nullptr) {
        return text + Line(say.PathTooLong);
    }
    const std::string file = Utf8OfAnsi(places->SettingsFile);
    text += FileLine(say, places->SettingsFile, settings.KeywordFileEncoding,
                     Fill(say.FileMissingForKeywords, {file}));
    text += Line(say.SeparatorPlace);
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

std::string DescribeSettings(const Messages &say, const PluginSettings &settings,
                             const SettingsFindings &findings) {
    std::string text = Line(say.SettingsHeading);
    int number = 0;
    for (int i = 0; i < KeywordCount; ++i) {
        const char *keyword = settings.Keywords[i];
        if (keyword[0] != '\0') {
            text +=
                Line(Fill(say.KeywordLine, {std::to_string(++number), "keyword" + std::to_string(i),
                                            Quoted(keyword), Quoted(CaptionOf(keyword))}));
        }
    }
    if (number == 0) {
        text += Line(say.NoKeywords);
    }
    text += Line(Fill(say.SeparatorLine, {Quoted(settings.SeparatorText + 1)}));
    text += Line(Fill(say.PageLinesLine, {std::to_string(settings.PageLines)}));
    for (int i = 0; i < findings.Count; ++i) {
        text += Line(Fill(say.MistakeLine, {Mistake(say, findings.Items[i], settings)}));
    }
    if (findings.Count == 0) {
        text += Line(say.NoMistakes);
    }
    return text;
}
