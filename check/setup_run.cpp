#include "check/setup_run.h"

#include "check/settings_writer.h"
#include "check/setup_dialog.h"
#include "check/text_check.h"
#include "platform/ansi_text.h"
#include "platform/windows_api.h"

namespace {

// The folder of the reader's documents, where a settings file goes that the plugins folder
// cannot take; empty when the system does not say.
std::string DocumentsFolder() {
    char profile[SettingsPathSize];
    const DWORD length = GetEnvironmentVariableA("USERPROFILE", profile, sizeof profile);
    return length == 0 || length >= sizeof profile ? std::string()
                                                   : std::string(profile) + "\\Documents";
}

// Tells where the settings file went.
void TellWritten(const Messages &say, const CheckSystem &system, const std::string &path,
                 const WrittenFile &written) {
    switch (written.Where) {
    case SettingsWritten::InPlace:
        system.Tell(Fill(say.Written, {Utf8OfAnsi(written.Path)}) + "\n");
        break;
    case SettingsWritten::Elsewhere:
        system.Tell(Fill(say.WrittenElsewhere,
                         {Utf8OfAnsi(path), Utf8OfAnsi(written.Path), SettingsFileName}) +
                    "\n");
        break;
    case SettingsWritten::Not:
        system.Tell(Fill(say.NotWritable, {Utf8OfAnsi(path), Utf8OfAnsi(written.Path)}) + "\n");
        return;
    }
    if (!written.Backup.empty()) {
        system.Tell(Fill(say.BackedUp, {Utf8OfAnsi(written.Backup)}) + "\n");
    }
}

// The issues the settings were made from, each checked again with the file written; several are
// told apart by their accounts, one needs none again.
void CheckAgain(const Messages &say, const CheckSystem &system,
                const std::vector<CheckedBody> &texts, const std::vector<size_t> &issues,
                const ReadSettingsFiles &fresh, bool show, RunTally &tally) {
    for (const size_t issue : issues) {
        const CheckedBody &text = texts[issue];
        system.Tell("\n" + std::string(say.CheckedAgain) + "\n" +
                    (texts.size() > 1 ? text.Account : ""));
        RunTally again;
        CheckText(say, system, text, fresh, show, again);
        tally.Issues += again.Issues;
        tally.Boxes += again.Boxes;
        tally.Warnings += again.Warnings;
    }
}

} // namespace

RunTally RunSetup(const Messages &say, const CheckSystem &system,
                  const std::vector<CheckedBody> &texts, const std::vector<std::string> &names,
                  const ReadSettingsFiles &read, bool show) {
    RunTally tally;
    tally.MailGiven = true;
    if (!read.Placed) {
        ++tally.Unreadable;
        return tally;
    }
    const std::string path = read.Places.SettingsFile;
    const SetupTalk talk = {
        [&system](const std::string &text) { system.Tell(text); },
        [&system](const std::string &question) { return system.ReadLine(question); }};
    std::vector<SetupText> given;
    for (size_t i = 0; i < texts.size(); ++i) {
        given.push_back({names[i], texts[i].Body, texts[i].Offset});
    }
    system.Tell("\n");
    const SetupChoice choice = AskSetup(say, given, read.Settings, Utf8OfAnsi(path), talk);
    if (!choice.Write) {
        system.Tell(std::string(say.NothingWritten) + "\n");
        tally.MailGiven = false;
        return tally;
    }
    const WrittenFile written = WriteSettingsFile(path, DocumentsFolder(), choice.FileText);
    TellWritten(say, system, path, written);
    if (written.Where == SettingsWritten::Not) {
        ++tally.Unreadable;
        return tally;
    }
    ReadSettingsFiles fresh;
    ReadSettingsFrom(written.Path.c_str(), fresh, tally);
    CheckAgain(say, system, texts, choice.Issues, fresh, show, tally);
    system.Tell(std::string(say.Restart) + "\n");
    return tally;
}
