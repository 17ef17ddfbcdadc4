#include "check/self_check.h"

#include <string>

#include "check/arguments.h"
#include "check/checked_body.h"
#include "check/messages.h"
#include "check/settings_read.h"
#include "check/settings_report.h"
#include "check/setup_run.h"
#include "check/text_check.h"
#include "diagnosis/quoted_value.h"
#include "platform/windows_api.h"
#include "plugin/version.h"

namespace {

// The body of the file named on the command line; unreadable, with the reason told, when it
// cannot be read.
CheckedBody BodyOfNamedFile(const Messages &say, const CheckSystem &system, const WideText &file) {
    const std::string name = Utf8OfWide(file);
    std::string bytes;
    switch (system.ReadFile(file, bytes)) {
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

// The files named, each folder as the files in it where /setup takes folders.
std::vector<WideText> NamedFiles(const CheckArguments &arguments, const CheckSystem &system) {
    std::vector<WideText> files;
    for (const WideText &named : arguments.Files) {
        if (!arguments.Setup || !system.FilesInFolder(named, files)) {
            files.push_back(named);
        }
    }
    return files;
}

// The texts given: the files named, or the clipboard's text; an account of each, unreadable ones
// counted.
std::vector<CheckedBody> GivenTexts(const CheckArguments &arguments, const Messages &say,
                                    const CheckSystem &system, std::vector<std::string> &names,
                                    RunTally &tally) {
    std::vector<CheckedBody> texts;
    for (const WideText &file : NamedFiles(arguments, system)) {
        texts.push_back(BodyOfNamedFile(say, system, file));
        names.push_back(Utf8OfWide(file));
    }
    CheckedText text;
    if (arguments.Files.empty() && system.ClipboardText(text)) {
        texts.push_back(BodyOfClipboard(say, text));
        names.emplace_back(say.Clipboard);
    } else if (arguments.Files.empty()) {
        tally.MailGiven = false;
    }
    return texts;
}

// The run's tally: a text given (or none), and what the plugin made of it.
RunTally Check(const CheckArguments &arguments, const Messages &say, const CheckSystem &system) {
    ReadSettingsFiles read;
    RunTally tally;
    ReadSettingsFrom(nullptr, read, tally);
    system.Tell(DescribePlaces(say, read.Placed ? &read.Places : nullptr, read.Settings) + "\n" +
                DescribeSettings(say, read.Settings, read.Findings) + "\n");
    tally.MailGiven = true;
    std::vector<std::string> names;
    const std::vector<CheckedBody> given = GivenTexts(arguments, say, system, names, tally);
    std::vector<CheckedBody> texts;
    std::vector<std::string> readable;
    for (size_t i = 0; i < given.size(); ++i) {
        if (arguments.Setup) {
            system.Tell(given[i].Account);
        }
        if (given[i].Readable) {
            texts.push_back(given[i]);
            readable.push_back(names[i]);
        } else {
            ++tally.Unreadable;
        }
    }
    if (!tally.MailGiven || (texts.empty() && !arguments.Setup)) {
        system.Tell(tally.MailGiven ? given.front().Account
                                    : std::string(say.NoClipboardText) + "\n\n" + Verdict(tally));
        return tally;
    }
    if (arguments.Setup) {
        RunTally setup = RunSetup(say, system, texts, readable, read, arguments.Show);
        setup.Unreadable += tally.Unreadable;
        return setup;
    }
    system.Tell(texts.front().Account);
    CheckText(say, system, texts.front(), read, arguments.Show, tally);
    const bool offer = system.OwnWindow && NoKeywordFound(texts.front(), read.Settings);
    return offer && system.AskYes(say.OfferSetup)
               ? RunSetup(say, system, texts, readable, read, false)
               : tally;
}

// How to use the program, its option rows wrapped under their text.
std::string Usage(const Messages &say, size_t columns) {
    const std::string usage =
        Fill(say.Usage,
             {StatusNumber(ExitStatus::BoxesShown), StatusNumber(ExitStatus::BoxesWithWarnings),
              StatusNumber(ExitStatus::IssueWithoutBox), StatusNumber(ExitStatus::NoIssue),
              StatusNumber(ExitStatus::Unreadable), StatusNumber(ExitStatus::WrongUsage),
              SettingsFileName});
    return Wrapped(usage + "\n", columns, Continued::UnderText);
}

} // namespace

ExitStatus RunSelfCheck(const std::vector<WideText> &given, const CheckSystem &system) {
    const Messages &say = MessagesFor(GetACP());
    const CheckArguments arguments = ParseArguments(given);
    ExitStatus status = ExitStatus::WrongUsage;
    if (arguments.IsWrong) {
        system.Tell(Fill(say.WrongArgument, {Utf8OfWide(arguments.Wrong)}) + "\n");
    } else if (arguments.Help) {
        system.Write(Usage(say, system.Columns));
        status = ExitStatus::BoxesShown;
    } else {
        system.Tell(Fill(say.Title, {TEXT_PLUGIN_VERSION, CodePageName(GetACP())}) + "\n\n");
        status = StatusOf(Check(arguments, say, system));
    }
    if (system.OwnWindow) {
        system.WaitForKey(say.PressAnyKey);
    }
    return status;
}
