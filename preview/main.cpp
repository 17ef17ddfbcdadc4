// dovrink-preview: a stand-in mail client for Linux that loads libdovrink.so as the real client
// loads dovrink.dll, and shows what the plugin would show for saved messages.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/posix/code_pages.h"
#include "platform/posix/environment.h"
#include "platform/posix/program_path.h"
#include "platform/posix/terminal_text.h"
#include "preview/explanation.h"
#include "preview/host_exports.h"
#include "preview/mail_body.h"
#include "preview/mailbox.h"
#include "preview/message_pieces.h"
#include "preview/options.h"
#include "preview/plain_body.h"
#include "preview/plugin_library.h"
#include "preview/run_summary.h"
#include "preview/settings_report.h"

namespace {

constexpr int Failed = 1;
constexpr int WrongOption = 2;

std::string ProgramFolder() {
    const std::string program = ProgramPath();
    return program.empty() ? "." : program.substr(0, program.rfind('/'));
}

// A message to show: its body as the mail client hands it over, and how it was made.
struct Message {
    std::string Body;
    std::string Origin;  // how the body was read; empty for a plain body in the code page
    std::string Subject; // UTF-8
    std::string Note;    // what the client would do differently, or empty
};

std::string Count(size_t number, const char *one, const char *many) {
    return std::to_string(number) + " " + (number == 1 ? one : many);
}

bool ReadMessage(std::string bytes, const std::string &name, unsigned codePage, Message &message,
                 std::string &error) {
    const char *ansi = FindCodePage(codePage)->IconvName;
    if (!LooksLikeMessage(name, bytes)) {
        return ReadPlainBody(std::move(bytes), ansi, message.Body, message.Origin, error);
    }
    MailBody mail;
    if (!ReadMailBody(std::move(bytes), ansi, mail, error)) {
        return false;
    }
    message.Body = std::move(mail.Text);
    message.Subject = mail.Subject;
    message.Note = mail.Note;
    message.Origin = mail.Part + " in " + mail.Charset + ", " + mail.Encoding;
    if (mail.Unrepresentable > 0) {
        const bool one = mail.Unrepresentable == 1;
        message.Origin += "; " + Count(mail.Unrepresentable, "character", "characters") +
                          " that could not be read or that code page " + std::to_string(codePage) +
                          " cannot hold" + (one ? " shows" : " show") + " as \"?\"";
    }
    return true;
}

// The plugin takes these from the environment, as a Windows program takes them from the system.
void SetUpSystem(const PreviewOptions &options) {
    setenv(CodePageVariable, options.CodePage.c_str(), 1);
    if (!options.HostDir.empty()) {
        setenv(HostDirVariable, options.HostDir.c_str(), 1);
    }
    if (!options.Answers.empty()) {
        setenv(AnswersVariable, options.Answers.c_str(), 1);
    }
}

// Prints a line that may hold what senders wrote or files are named: no control character of
// theirs reaches the terminal.
void PrintLine(const std::string &line) { std::printf("%s\n", TerminalSafe(line).c_str()); }

void PrintHeading(size_t number, const std::string &name, const Message &message) {
    std::string heading = "Message " + std::to_string(number) + ": " + name + " (" +
                          std::to_string(message.Body.size()) + " bytes";
    if (!message.Origin.empty()) {
        heading += " of " + message.Origin;
    }
    PrintLine(heading + ")");
    if (!message.Subject.empty()) {
        PrintLine("  Subject: " + message.Subject);
    }
    if (!message.Note.empty()) {
        PrintLine("  Note: " + message.Note);
    }
    std::printf("\n");
    std::fflush(stdout);
}

// Shows one message as the message on view, and says why when nothing showed.
void ShowMessage(const PluginLibrary &plugin, Message &message, bool explain, RunSummary &summary) {
    const PluginInspection &inspection = *plugin.Inspection;
    SetMessageOnView(std::move(message.Body));
    plugin.Entries.OnUpdateView();
    const std::vector<ShownBox> boxes = TakeShownBoxes();
    const std::string &body = MessageOnView();
    if (!IsIssue(body, inspection)) {
        std::printf("  %s\n\n", DescribeNoIssue(body, inspection).c_str());
        summary.AddOther(boxes.size());
        return;
    }
    const std::vector<KeywordOutcome> outcomes = ExplainIssue(body, inspection, boxes);
    summary.AddIssue(outcomes, boxes.size());
    if (!boxes.empty() && !explain) {
        return;
    }
    std::printf(boxes.empty() ? "  An issue, but no box was shown:\n" : "  Keywords:\n");
    if (outcomes.empty()) {
        std::printf("    no keywords are set\n");
    }
    for (const KeywordOutcome &outcome : outcomes) {
        PrintLine("    " + DescribeOutcome(outcome, *inspection.Settings));
    }
    std::printf("\n");
}

// One run over the saved mail: each message read, shown and explained in turn.
class Run {
  public:
    Run(const PreviewOptions &options, const PluginLibrary &plugin)
        : Options(options), Plugin(plugin),
          CodePage(static_cast<unsigned>(std::stoul(options.CodePage))) {}

    void Take(SavedMessage &saved) {
        ++Entries;
        switch (saved.What) {
        case SavedMessage::Kind::Message:
            TakeMessage(std::move(saved.Bytes), saved.Name);
            break;
        case SavedMessage::Kind::Unreadable:
            Skip(saved.Name, saved.Reason);
            break;
        case SavedMessage::Kind::NotMessage:
            PrintLine("Passed over: " + saved.Name + ": not a message (" + saved.Reason + ")");
            std::printf("\n");
            ++Summary.NotMessages;
            break;
        case SavedMessage::Kind::Deleted:
            PrintLine("Passed over: " + saved.Name + ": " + saved.Reason);
            std::printf("\n");
            ++Summary.Deleted;
            break;
        case SavedMessage::Kind::Empty:
            PrintLine(saved.Name + ": " + saved.Reason);
            std::printf("\n");
            break;
        }
    }

    // What is left when the mail runs out: the messages some of whose pieces never came.
    void Finish() {
        for (const std::string &missing : Pieces.Missing()) {
            Skip("a message sent in pieces", missing + ", so it cannot be shown");
        }
        if (Entries > 1) {
            Summary.Print(*Plugin.Inspection->Settings);
        }
    }

    int ExitStatus() const { return Summary.ExitStatus(); }

  private:
    void Skip(const std::string &name, const std::string &reason) {
        PrintLine("Message " + std::to_string(++Number) + ": " + name + ": " + reason +
                  "; skipped");
        std::printf("\n");
        ++Summary.Unreadable;
    }

    void TakeMessage(std::string bytes, const std::string &name) {
        MessagePiece piece;
        if (LooksLikeMessage(name, bytes) && ReadMessagePiece(bytes, piece)) {
            TakePiece(std::move(piece), name);
            return;
        }
        Message message;
        std::string error;
        if (!ReadMessage(std::move(bytes), name, CodePage, message, error)) {
            Skip(name, error);
            return;
        }
        PrintHeading(++Number, name, message);
        ShowMessage(Plugin, message, Options.Explain, Summary);
    }

    // A piece is kept until the last one comes; then the whole message is shown.
    void TakePiece(MessagePiece piece, const std::string &name) {
        const std::string which = "piece " + std::to_string(piece.Number) + " of " +
                                  std::to_string(piece.Total) + " of a message sent in pieces";
        std::string whole;
        if (!Pieces.Add(std::move(piece), whole)) {
            PrintLine("Passed over: " + name + ": " + which + "; kept until the others come");
            std::printf("\n");
            return;
        }
        PrintLine("Passed over: " + name + ": " + which + ", the last to come: the whole message " +
                  "follows");
        std::printf("\n");
        TakeMessage(std::move(whole), name + " (joined from its pieces)");
    }

    const PreviewOptions &Options;
    const PluginLibrary &Plugin;
    const unsigned CodePage;
    RunSummary Summary;
    MessagePieces Pieces;
    size_t Entries = 0;
    size_t Number = 0; // of the last message line printed
};

int Preview(const PreviewOptions &options) {
    PluginLibrary plugin;
    std::string error;
    if (!LoadPluginLibrary(options.PluginPath, plugin, error)) {
        std::fprintf(stderr, "dovrink-preview: %s\n", error.c_str());
        return Failed;
    }
    SetPluginHandle(plugin.Handle);
    std::printf("Plugin %s, interface version 0x%X, code page %s\n\n", options.PluginPath.c_str(),
                static_cast<unsigned>(plugin.Entries.GetPluginVersion()), options.CodePage.c_str());
    if (plugin.Entries.Init() == 0) {
        std::printf("Initialisation failed: the plugin does not accept this host.\n");
        UnloadPluginLibrary(plugin);
        return Failed;
    }
    if (options.ShowSettings) {
        PrintSettingsReport(*plugin.Inspection);
    }
    Run run(options, plugin);
    SavedMail mail(options.MessageFiles);
    for (SavedMessage saved; mail.Next(saved);) {
        run.Take(saved);
    }
    run.Finish();
    plugin.Entries.Exit();
    UnloadPluginLibrary(plugin);
    return run.ExitStatus();
}

int RunPreview(int argc, char **argv) {
    PreviewOptions options;
    options.PluginPath = ProgramFolder() + "/libdovrink.so";
    bool help = false;
    std::string error;
    if (!ParseOptions(argc, argv, options, help, error)) {
        std::fprintf(stderr, "dovrink-preview: %s\n\n%s", error.c_str(),
                     UsageText(argv[0]).c_str());
        return WrongOption;
    }
    if (help) {
        std::fputs(UsageText(argv[0]).c_str(), stdout);
        return 0;
    }
    if (options.Batch && options.Answers.empty()) {
        options.Answers = "ok";
    }
    SetUpSystem(options);
    return Preview(options);
}

} // namespace

int main(int argc, char **argv) {
    try {
        return RunPreview(argc, argv);
    } catch (const std::exception &failure) {
        std::fprintf(stderr, "dovrink-preview: %s\n", failure.what());
        return Failed;
    }
}
