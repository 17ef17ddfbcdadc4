// dovrink-preview: a stand-in mail client for Linux that loads libdovrink.so as the real client
// loads dovrink.dll, and shows what the plugin would show for saved messages.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/posix/code_pages.h"
#include "platform/posix/environment.h"
#include "platform/posix/program_path.h"
#include "preview/explanation.h"
#include "preview/host_exports.h"
#include "preview/mail_body.h"
#include "preview/mailbox.h"
#include "preview/options.h"
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
    std::string Origin;  // empty for a plain body
    std::string Subject; // UTF-8
    std::string Note;    // what the client would do differently, or empty
};

bool ReadMessage(const SavedMessage &saved, unsigned codePage, Message &message,
                 std::string &error) {
    if (!saved.Error.empty()) {
        error = saved.Error;
        return false;
    }
    if (!LooksLikeMessage(saved.Name, saved.Bytes)) {
        if (saved.Bytes.find('\0') != std::string::npos) {
            error = "is neither a saved message nor a text body (it holds NUL bytes)";
            return false;
        }
        message.Body = saved.Bytes;
        return true;
    }
    MailBody mail;
    if (!ReadMailBody(saved.Bytes, FindCodePage(codePage)->IconvName, mail, error)) {
        return false;
    }
    message.Body = mail.Text;
    message.Subject = mail.Subject;
    message.Note = mail.Note;
    message.Origin = mail.Part + " in " + mail.Charset + ", " + mail.Encoding;
    if (mail.Unrepresentable > 0) {
        const bool one = mail.Unrepresentable == 1;
        message.Origin += "; " + std::to_string(mail.Unrepresentable) +
                          (one ? " character" : " characters") +
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

// Subjects come from the sender: no control character reaches the terminal.
std::string Printable(const std::string &utf8) {
    std::string shown = utf8;
    for (char &c : shown) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return shown;
}

void PrintHeading(size_t number, const SavedMessage &saved, const Message &message) {
    std::printf("Message %zu: %s (%zu bytes", number, saved.Name.c_str(), message.Body.size());
    if (!message.Origin.empty()) {
        std::printf(" of %s", message.Origin.c_str());
    }
    std::printf(")\n");
    if (!message.Subject.empty()) {
        std::printf("  Subject: %s\n", Printable(message.Subject).c_str());
    }
    if (!message.Note.empty()) {
        std::printf("  Note: %s\n", message.Note.c_str());
    }
    std::printf("\n");
    std::fflush(stdout);
}

// Shows one message as the message on view, and says why when nothing showed.
void ShowMessage(const PluginLibrary &plugin, const Message &message, bool explain,
                 RunSummary &summary) {
    const PluginInspection &inspection = *plugin.Inspection;
    SetMessageOnView(message.Body);
    plugin.Entries.OnUpdateView();
    const std::vector<ShownBox> boxes = TakeShownBoxes();
    if (!IsIssue(message.Body, inspection)) {
        std::printf("  %s\n\n", DescribeNoIssue(message.Body, inspection).c_str());
        summary.AddOther(boxes.size());
        return;
    }
    const std::vector<KeywordOutcome> outcomes = ExplainIssue(message.Body, inspection, boxes);
    summary.AddIssue(outcomes, boxes.size());
    if (!boxes.empty() && !explain) {
        return;
    }
    std::printf(boxes.empty() ? "  An issue, but no box was shown:\n" : "  Keywords:\n");
    if (outcomes.empty()) {
        std::printf("    no keywords are set\n");
    }
    for (const KeywordOutcome &outcome : outcomes) {
        std::printf("    %s\n", DescribeOutcome(outcome, *inspection.Settings).c_str());
    }
    std::printf("\n");
}

int Preview(const PreviewOptions &options, const std::vector<SavedMessage> &saved) {
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
    const auto codePage = static_cast<unsigned>(std::stoul(options.CodePage));
    RunSummary summary;
    for (size_t i = 0; i < saved.size(); ++i) {
        Message message;
        if (!ReadMessage(saved[i], codePage, message, error)) {
            std::printf("Message %zu: %s: %s; skipped\n\n", i + 1, saved[i].Name.c_str(),
                        error.c_str());
            ++summary.Unreadable;
            continue;
        }
        PrintHeading(i + 1, saved[i], message);
        ShowMessage(plugin, message, options.Explain, summary);
    }
    if (saved.size() > 1) {
        summary.Print(*plugin.Inspection->Settings);
    }
    plugin.Entries.Exit();
    UnloadPluginLibrary(plugin);
    return summary.ExitStatus();
}

int Run(int argc, char **argv) {
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
    std::vector<SavedMessage> saved;
    for (const std::string &path : options.MessageFiles) {
        FindSavedMessages(path, saved);
    }
    if (options.Batch && options.Answers.empty()) {
        options.Answers = "ok";
    }
    SetUpSystem(options);
    return Preview(options, saved);
}

} // namespace

int main(int argc, char **argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception &failure) {
        std::fprintf(stderr, "dovrink-preview: %s\n", failure.what());
        return Failed;
    }
}
