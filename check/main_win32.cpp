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
#include "check/show_boxes.h"
#include "check/shown_text.h"
#include "check/text_file_win32.h"
#include "check/text_report.h"
#include "diagnosis/quoted_value.h"
#include "diagnosis/run_status.h"
#include "diagnosis/settings_check.h"
#include "platform/windows_api.h"
#include "plugin/module_handle.h"
#include "plugin/version.h"
#include "settings/settings.h"

namespace {

struct Arguments {
    bool Show = false;
    bool Help = false;
    const wchar_t *File = nullptr;
    const wchar_t *Wrong = nullptr; // an unknown option, or a second file
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
        } else if (IsOption(argument, L"?") || IsOption(argument, L"h") ||
                   IsOption(argument, L"help")) {
            arguments.Help = true;
        } else if (argument[0] == L'/' || (argument[0] == L'-' && argument[1] != L'\0') ||
                   arguments.File != nullptr) {
            arguments.Wrong = arguments.Wrong != nullptr ? arguments.Wrong : argument;
        } else {
            arguments.File = argument;
        }
    }
    return arguments;
}

// The settings as the plugin beside this program reads them, and their account; the mistakes
// found count as warnings.
std::string ReadAndDescribeSettings(const Messages &say, PluginSettings &settings,
                                    WrittenKeywords &written, RunTally &tally) {
    SettingsPlaces places;
    const bool placed = FindSettingsPlaces(places);
    const char *keywords = placed ? places.SettingsFile : nullptr;
    const char *separator = placed ? places.SettingsFile : RelativeSettingsPath;
    ReadSettings(keywords, separator, settings);
    SettingsFindings findings;
    CheckSettings(keywords, separator, settings, findings);
    tally.Warnings += static_cast<size_t>(findings.Count);
    written = KeywordsAsWritten(settings, findings);
    return DescribePlaces(say, placed ? &places : nullptr, settings) + "\n" +
           DescribeSettings(say, settings, findings) + "\n";
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

// The run's tally: a text given (or none), and what the plugin made of it.
RunTally Check(const Arguments &arguments, const Messages &say, const Console &console) {
    PluginSettings settings;
    WrittenKeywords written;
    RunTally tally;
    console.Write(ReadAndDescribeSettings(say, settings, written, tally));
    tally.MailGiven = true;
    CheckedBody checked{false, {}, 0, {}};
    if (arguments.File != nullptr) {
        checked = BodyOfNamedFile(say, arguments.File);
    } else {
        CheckedText text;
        if (ClipboardText(text)) {
            checked = BodyOfClipboard(say, text);
        } else {
            checked.Account = std::string(say.NoClipboardText) + "\n";
            tally.MailGiven = false;
        }
    }
    console.Write(checked.Account);
    if (!checked.Readable && tally.MailGiven) {
        ++tally.Unreadable;
        return tally;
    }
    if (checked.Readable) {
        const TextReport report =
            DescribeText(say, checked.Body, settings, written, checked.Offset);
        console.Write(report.Text);
        tally.Issues = report.Judgement.Issue ? 1 : 0;
        tally.Boxes = report.Judgement.Boxes;
        tally.Warnings += report.Warnings;
    }
    console.Write("\n" + Verdict(tally));
    const bool show =
        checked.Readable &&
        (arguments.Show || (tally.Boxes > 0 && console.OwnWindow() && console.AskYes(say.AskShow)));
    if (show) {
        ShowBoxesAsPlugin(checked.Body, settings);
    }
    return tally;
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
