// dovrink-check.exe: the settings that the plugin beside it reads, and what the plugin makes of
// an issue's text (the clipboard's, or a file's), in the reader's language, judged by the
// plugin's own code. The plugin itself says nothing, by design; this says why nothing showed.
#include <cwchar>
#include <string>
#include <vector>

#include "check/checked_body.h"
#include "check/checked_text.h"
#include "check/clipboard_win32.h"
#include "check/console_win32.h"
#include "check/conversions.h"
#include "check/messages.h"
#include "check/settings_places.h"
#include "check/settings_report.h"
#include "check/settings_writer.h"
#include "check/setup_dialog.h"
#include "check/show_boxes.h"
#include "check/shown_text.h"
#include "check/text_file_win32.h"
#include "check/text_report.h"
#include "diagnosis/quoted_value.h"
#include "diagnosis/run_status.h"
#include "diagnosis/settings_check.h"
#include "diagnosis/text_judgement.h"
#include "platform/ansi_text.h"
#include "platform/windows_api.h"
#include "plugin/module_handle.h"
#include "plugin/version.h"
#include "settings/settings.h"

namespace {

struct Arguments {
    bool Show = false;
    bool Setup = false;
    bool Help = false;
    std::vector<const wchar_t *> Files; // files, and for /setup folders too
    const wchar_t *Wrong = nullptr;     // an unknown option, or a second file without /setup
};

// "/show", "-show" or "--show", in any case.
bool IsOption(const wchar_t *argument, const wchar_t *name) {
    const wchar_t *at = argument;
    if (*at == L'/') {
        ++at;
    } else {
        at += at[0] == L'-' && at[1] == L'-' ? 2 : at[0] == L'-' ? 1 : 0;
    }
    return at != argument && _wcsicmp(at, name) == 0;
}

Arguments Parse(int argc, wchar_t **argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const wchar_t *argument = argv[i];
        if (IsOption(argument, L"show")) {
            arguments.Show = true;
        } else if (IsOption(argument, L"setup")) {
            arguments.Setup = true;
        } else if (IsOption(argument, L"?") || IsOption(argument, L"h") ||
                   IsOption(argument, L"help")) {
            arguments.Help = true;
        } else if (argument[0] == L'/' || (argument[0] == L'-' && argument[1] != L'\0')) {
            arguments.Wrong = arguments.Wrong != nullptr ? arguments.Wrong : argument;
        } else {
            arguments.Files.push_back(argument);
        }
    }
    if (!arguments.Setup && arguments.Files.size() > 1 && arguments.Wrong == nullptr) {
        arguments.Wrong = arguments.Files[1];
    }
    return arguments;
}

// The settings as the plugin beside this program reads them, where it reads them, and what the
// reader wrote.
struct ReadSettingsFiles {
    PluginSettings Settings;
    bool Placed; // false: this folder's path is too long for the plugin to read its keywords
    SettingsPlaces Places;
    SettingsFindings Findings;
    WrittenKeywords Written;
};

// Reads the settings as the plugin beside this program reads them, from `file` instead where one
// is given; the mistakes found count as warnings.
void ReadSettingsFrom(const char *file, ReadSettingsFiles &read, RunTally &tally) {
    read.Placed = FindSettingsPlaces(read.Places);
    const char *keywords = file != nullptr ? file
                           : read.Placed   ? read.Places.SettingsFile
                                           : nullptr;
    const char *separator = file != nullptr ? file
                            : read.Placed   ? read.Places.SettingsFile
                                            : RelativeSettingsPath;
    ReadSettings(keywords, separator, read.Settings);
    CheckSettings(keywords, separator, read.Settings, read.Findings);
    tally.Warnings += static_cast<size_t>(read.Findings.Count);
    read.Written = KeywordsAsWritten(read.Settings, read.Findings);
}

// The body of the file named on the command line; unreadable, with the reason told, when it
// cannot be read.
CheckedBody BodyOfNamedFile(const Messages &say, const wchar_t *file) {
    const std::string name = Utf8OfWide(WideText(file));
    std::string bytes;
    switch (ReadTextFile(file, bytes)) {
    case FileRead::Unreadable:
        return {false, {}, 0, Fill(say.FileUnreadable, {name}) + "\n"};
    case FileRead::TooLarge:
        return {false,
                {},
                0,
                Fill(say.FileTooLarge, {name, std::to_string(LargestTextFile >> 20)}) + "\n"};
    case FileRead::Read:
        break;
    }
    return BodyOfFile(say, name, bytes);
}

// What the run ends with: that nothing was found to heed, or how much was.
std::string Verdict(const RunTally &tally) {
    const Words &words = WordsFor(GetACP());
    return (tally.Warnings == 0 ? std::string(words.NoMistakes)
                                : Fill(words.SomeWarnings, {std::to_string(tally.Warnings)})) +
           "\n";
}

// The text checked with the settings: its account, what the plugin makes of it, and the run's
// verdict; then, asked for or offered, its boxes.
void CheckText(const Messages &say, const Console &console, const CheckedBody &checked,
               const ReadSettingsFiles &read, bool show, RunTally &tally) {
    const TextReport report =
        DescribeText(say, checked.Body, read.Settings, read.Written, checked.Offset);
    console.Write(report.Text);
    tally.Issues = report.Judgement.Issue ? 1 : 0;
    tally.Boxes = report.Judgement.Boxes;
    tally.Warnings += report.Warnings;
    console.Write("\n" + Verdict(tally));
    if (show || (tally.Boxes > 0 && console.OwnWindow() && console.AskYes(say.AskShow))) {
        ShowBoxesAsPlugin(checked.Body, read.Settings);
    }
}

// The folder of the reader's documents, where a settings file goes that the plugins folder
// cannot take; empty when the system does not say.
std::string DocumentsFolder() {
    char profile[SettingsPathSize];
    const DWORD length = GetEnvironmentVariableA("USERPROFILE", profile, sizeof profile);
    return length == 0 || length >= sizeof profile ? std::string()
                                                   : std::string(profile) + "\\Documents";
}

// Tells where the settings file went.
void TellWritten(const Messages &say, const Console &console, const std::string &path,
                 const WrittenFile &written) {
    switch (written.Where) {
    case SettingsWritten::InPlace:
        console.Write(Fill(say.Written, {Utf8OfAnsi(written.Path)}) + "\n");
        break;
    case SettingsWritten::Elsewhere:
        console.Write(Fill(say.WrittenElsewhere, {Utf8OfAnsi(path), Utf8OfAnsi(written.Path)}) +
                      "\n");
        break;
    case SettingsWritten::Not:
        console.Write(Fill(say.NotWritable, {Utf8OfAnsi(path), Utf8OfAnsi(written.Path)}) + "\n");
        return;
    }
    if (!written.Backup.empty()) {
        console.Write(Fill(say.BackedUp, {Utf8OfAnsi(written.Backup)}) + "\n");
    }
}

// The settings made from the texts: proposed, asked about, written, and each text checked again.
RunTally Setup(const Messages &say, const Console &console, const std::vector<CheckedBody> &texts,
               const std::vector<std::string> &names, const ReadSettingsFiles &read, bool show) {
    RunTally tally;
    tally.MailGiven = true;
    if (!read.Placed) {
        ++tally.Unreadable;
        return tally;
    }
    const std::string path = read.Places.SettingsFile;
    const SetupTalk talk = {
        [&console](const std::string &text) { console.Write(text); },
        [&console](const std::string &question) { return console.ReadLine(question); }};
    std::vector<SetupText> given;
    for (size_t i = 0; i < texts.size(); ++i) {
        given.push_back({names[i], texts[i].Body, texts[i].Offset});
    }
    console.Write("\n");
    const SetupChoice choice = AskSetup(say, given, read.Settings, Utf8OfAnsi(path), talk);
    if (!choice.Write) {
        console.Write(std::string(say.NothingWritten) + "\n");
        tally.MailGiven = false;
        return tally;
    }
    const WrittenFile written = WriteSettingsFile(path, DocumentsFolder(), choice.FileText);
    TellWritten(say, console, path, written);
    if (written.Where == SettingsWritten::Not) {
        ++tally.Unreadable;
        return tally;
    }
    ReadSettingsFiles fresh;
    ReadSettingsFrom(written.Path.c_str(), fresh, tally);
    // The issues the settings were made from, each checked again; several are told apart by
    // their accounts, one needs none again.
    for (const size_t issue : choice.Issues) {
        const CheckedBody &text = texts[issue];
        console.Write("\n" + std::string(say.CheckedAgain) + "\n" +
                      (texts.size() > 1 ? text.Account : ""));
        RunTally again;
        CheckText(say, console, text, fresh, show, again);
        tally.Issues += again.Issues;
        tally.Boxes += again.Boxes;
        tally.Warnings += again.Warnings;
    }
    console.Write(std::string(say.Restart) + "\n");
    return tally;
}

// Whether no keyword is set, or none was found in the text: a reader who has not written the
// settings yet, to whom the settings made from the issue are offered.
bool NoKeywordFound(const CheckedBody &checked, const PluginSettings &settings) {
    TextJudgement judgement{};
    JudgeText(checked.Body.c_str(), checked.Body.size() + 1, settings, NoBoxCancelled, judgement);
    for (int i = 0; i < judgement.Count; ++i) {
        if (judgement.Keywords[i].Outcome != KeywordOutcome::NotFound) {
            return false;
        }
    }
    return true;
}

// The files named, each folder as the files in it.
std::vector<std::wstring> NamedFiles(const Arguments &arguments) {
    std::vector<std::wstring> files;
    for (const wchar_t *named : arguments.Files) {
        if (!arguments.Setup || !FilesInFolder(named, files)) {
            files.emplace_back(named);
        }
    }
    return files;
}

// The texts given: the files named, or the clipboard's text; an account of each, unreadable ones
// counted.
std::vector<CheckedBody> GivenTexts(const Arguments &arguments, const Messages &say,
                                    std::vector<std::string> &names, RunTally &tally) {
    std::vector<CheckedBody> texts;
    for (const std::wstring &file : NamedFiles(arguments)) {
        texts.push_back(BodyOfNamedFile(say, file.c_str()));
        names.push_back(Utf8OfWide(WideText(file.begin(), file.end())));
    }
    CheckedText text;
    if (arguments.Files.empty() && ClipboardText(text)) {
        texts.push_back(BodyOfClipboard(say, text));
        names.emplace_back(say.Clipboard);
    } else if (arguments.Files.empty()) {
        tally.MailGiven = false;
    }
    return texts;
}

// The run's tally: a text given (or none), and what the plugin made of it.
RunTally Check(const Arguments &arguments, const Messages &say, const Console &console) {
    ReadSettingsFiles read;
    RunTally tally;
    ReadSettingsFrom(nullptr, read, tally);
    console.Write(DescribePlaces(say, read.Placed ? &read.Places : nullptr, read.Settings) + "\n" +
                  DescribeSettings(say, read.Settings, read.Findings) + "\n");
    tally.MailGiven = true;
    std::vector<std::string> names;
    std::vector<CheckedBody> given = GivenTexts(arguments, say, names, tally);
    std::vector<CheckedBody> texts;
    std::vector<std::string> readable;
    for (size_t i = 0; i < given.size(); ++i) {
        if (arguments.Setup) {
            console.Write(given[i].Account);
        }
        if (given[i].Readable) {
            texts.push_back(given[i]);
            readable.push_back(names[i]);
        } else {
            ++tally.Unreadable;
        }
    }
    if (!tally.MailGiven || (texts.empty() && !arguments.Setup)) {
        console.Write(tally.MailGiven ? given.front().Account
                                      : std::string(say.NoClipboardText) + "\n\n" + Verdict(tally));
        return tally;
    }
    if (arguments.Setup) {
        RunTally setup = Setup(say, console, texts, readable, read, arguments.Show);
        setup.Unreadable += tally.Unreadable;
        return setup;
    }
    console.Write(texts.front().Account);
    CheckText(say, console, texts.front(), read, arguments.Show, tally);
    const bool offer = console.OwnWindow() && NoKeywordFound(texts.front(), read.Settings);
    return offer && console.AskYes(say.OfferSetup)
               ? Setup(say, console, texts, readable, read, false)
               : tally;
}

} // namespace

int wmain(int argc, wchar_t **argv) {
    // The plugin's code runs here as in the DLL: with the code page's lead bytes and the scan
    // kernels that this processor runs, taken as the DLL takes them when it is loaded.
    OnProcessAttach(GetModuleHandleA(nullptr));
    const Messages &say = MessagesFor(GetACP());
    const Console console;
    const Arguments arguments = Parse(argc, argv);
    ExitStatus status = ExitStatus::WrongUsage;
    if (arguments.Wrong != nullptr) {
        console.Write(Fill(say.WrongArgument, {Utf8OfWide(WideText(arguments.Wrong))}) + "\n");
    } else if (arguments.Help) {
        console.Write(std::string(say.Usage) + "\n");
        status = ExitStatus::BoxesShown;
    } else {
        console.Write(Fill(say.Title, {TEXT_PLUGIN_VERSION, CodePageName(GetACP())}) + "\n\n");
        status = StatusOf(Check(arguments, say, console));
    }
    if (console.OwnWindow()) {
        console.WaitForKey(say.PressAnyKey);
    }
    return static_cast<int>(status);
}
