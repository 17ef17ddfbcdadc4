// dovrink-check.exe: the settings that the plugin beside it reads, and what the plugin makes of
// an issue's text (the clipboard's, or a file's), in the reader's language, judged by the
// plugin's own code. The plugin itself says nothing, by design; this says why nothing showed.
#include <cwchar>
#include <string>
#include <vector>

#include "check/checked_text.h"
#include "check/clipboard_win32.h"
#include "check/console_win32.h"
#include "check/conversions.h"
#include "check/messages.h"
#include "check/saved_mail.h"
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

std::string Utf8OfWide(const wchar_t *wide) { return TextOf(CP_UTF8, WideText(wide)); }

// The settings as the plugin beside this program reads them, and their account.
std::string ReadAndDescribeSettings(const Messages &say, PluginSettings &settings) {
    SettingsPlaces places;
    const bool placed = FindSettingsPlaces(places);
    const char *keywords = placed ? places.SettingsFile : nullptr;
    const char *separator = placed ? places.SettingsFile : RelativeSettingsPath;
    ReadSettings(keywords, separator, settings);
    SettingsFindings findings;
    CheckSettings(keywords, separator, settings, findings);
    return DescribePlaces(say, placed ? &places : nullptr, settings) + "\n" +
           DescribeSettings(say, settings, findings) + "\n";
}

// The text named on the command line; false, with the reason told, when it cannot be read.
bool TextOfNamedFile(const Messages &say, const Console &console, const wchar_t *file,
                     CheckedText &text) {
    const std::string name = Utf8OfWide(file);
    std::string bytes;
    switch (ReadTextFile(file, bytes)) {
    case FileRead::Unreadable:
        console.Write(Fill(say.FileUnreadable, {name}) + "\n");
        return false;
    case FileRead::TooLarge:
        console.Write(Fill(say.FileTooLarge, {name, std::to_string(LargestTextFile >> 20)}) + "\n");
        return false;
    case FileRead::Read:
        break;
    }
    text = TextOfFile(bytes);
    const std::string saved = Fill(SavedAs(say, text.Saved), {std::to_string(GetACP())});
    console.Write(Fill(say.FileHeading, {name, saved, std::to_string(TextLength(text.Ansi)),
                                         std::to_string(LineCount(text.Ansi))}) +
                  "\n");
    return true;
}

// The body that the plugin would be handed for the text; false, with the reason told, when the
// text is a saved mail whose body is encoded.
bool BodyOf(const Messages &say, const Console &console, const CheckedText &text,
            std::string &body) {
    if (text.Unheld > 0) {
        console.Write(Fill(say.Unheld, {std::to_string(text.Unheld), std::to_string(GetACP())}) +
                      "\n");
    }
    SavedMail mail{};
    if (!FindSavedMail(text.Ansi, mail)) {
        body = text.Ansi;
        return true;
    }
    console.Write(Fill(say.SavedMail, {std::to_string(mail.BodyLine)}) + "\n");
    if (!mail.Encoding.empty()) {
        console.Write(Fill(say.EncodedBody, {mail.Encoding}) + "\n");
        return false;
    }
    body = text.Ansi.substr(mail.BodyStart);
    return true;
}

// The run's tally: a text given (or none), and what the plugin made of it.
RunTally Check(const Arguments &arguments, const Messages &say, const Console &console) {
    PluginSettings settings;
    console.Write(ReadAndDescribeSettings(say, settings));
    RunTally tally;
    tally.MailGiven = true;
    CheckedText text;
    if (arguments.File != nullptr) {
        if (!TextOfNamedFile(say, console, arguments.File, text)) {
            ++tally.Unreadable;
            return tally;
        }
    } else if (ClipboardText(text)) {
        console.Write(Fill(say.ClipboardHeading, {std::to_string(TextLength(text.Ansi)),
                                                  std::to_string(LineCount(text.Ansi))}) +
                      "\n");
    } else {
        console.Write(std::string(say.NoClipboardText) + "\n");
        tally.MailGiven = false;
        return tally;
    }
    std::string body;
    if (!BodyOf(say, console, text, body)) {
        ++tally.Unreadable;
        return tally;
    }
    const TextReport report = DescribeText(say, body, settings);
    console.Write(report.Text + "\n");
    tally.Issues = report.Judgement.Issue ? 1 : 0;
    tally.Boxes = report.Judgement.Boxes;
    const bool show =
        arguments.Show || (tally.Boxes > 0 && console.OwnWindow() && console.AskYes(say.AskShow));
    if (show) {
        ShowBoxesAsPlugin(body, settings);
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
        console.Write(Fill(say.WrongArgument, {Utf8OfWide(arguments.Wrong)}) + "\n");
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
