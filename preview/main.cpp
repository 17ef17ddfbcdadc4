// dovrink-preview: a stand-in mail client for Linux that loads libdovrink.so as the real client
// loads dovrink.dll, and shows what the plugin would show for saved messages.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/posix/code_page.h"
#include "platform/posix/environment.h"
#include "preview/host_exports.h"
#include "preview/mail_body.h"
#include "preview/options.h"
#include "preview/plugin_library.h"
#include "preview/settings_report.h"
#include "viewer/view_update.h"

namespace {

std::string ProgramFolder() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return ".";
    }
    const std::string program(path, static_cast<size_t>(length));
    return program.substr(0, program.rfind('/'));
}

// Exit statuses, as --help explains them; 0 also when no message was given.
constexpr int BoxShown = 0;
constexpr int Failed = 1;
constexpr int IssueWithoutBox = 3;
constexpr int NoIssue = 4;

bool ReadFile(const std::string &file, std::string &bytes) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    bytes = content.str();
    return static_cast<bool>(in);
}

// A message to show: its body as the mail client hands it over, and how it was made.
struct Message {
    std::string File;
    std::string Body;
    std::string Origin; // empty for a plain body
};

bool ReadMessage(const std::string &file, unsigned codePage, Message &message, std::string &error) {
    std::string bytes;
    if (!ReadFile(file, bytes)) {
        error = "cannot read " + file;
        return false;
    }
    message.File = file;
    if (!LooksLikeMessage(file, bytes)) {
        message.Body = bytes;
        return true;
    }
    MailBody mail;
    if (!ReadMailBody(bytes, FindCodePage(codePage)->IconvName, mail, error)) {
        error = file + ": " + error;
        return false;
    }
    message.Body = mail.Text;
    message.Origin = "text/plain in " + mail.Charset + ", " + mail.Encoding;
    if (mail.Unrepresentable > 0) {
        message.Origin += "; " + std::to_string(mail.Unrepresentable) +
                          " characters that code page " + std::to_string(codePage) +
                          " cannot hold show as \"?\"";
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

// Where the plugin looks for the marker; only to explain why nothing was shown.
bool CarriesIssueMarker(const std::string &body) {
    return body.substr(0, 79).find(IssueMarker) != std::string::npos;
}

int Preview(const PreviewOptions &options, const std::vector<Message> &messages) {
    PluginLibrary plugin;
    std::string error;
    if (!LoadPluginLibrary(options.PluginPath, plugin, error)) {
        std::fprintf(stderr, "dovrink-preview: %s\n", error.c_str());
        return Failed;
    }
    SetPluginHandle(plugin.Handle);
    std::printf("Plugin %s, interface version 0x%X, code page %s\n\n", options.PluginPath.c_str(),
                static_cast<unsigned>(plugin.GetPluginVersion()), options.CodePage.c_str());
    if (plugin.Init() == 0) {
        std::printf("Initialisation failed: the plugin does not accept this host.\n");
        UnloadPluginLibrary(plugin);
        return Failed;
    }
    if (options.ShowSettings) {
        PrintSettingsReport();
    }
    bool anyIssue = false;
    for (size_t i = 0; i < messages.size(); ++i) {
        const Message &message = messages[i];
        std::printf("Message %zu: %s (%zu bytes", i + 1, message.File.c_str(), message.Body.size());
        if (!message.Origin.empty()) {
            std::printf(" of %s", message.Origin.c_str());
        }
        std::printf(")\n\n");
        std::fflush(stdout);
        SetMessageOnView(message.Body);
        plugin.OnUpdateView();
        if (CarriesIssueMarker(message.Body)) {
            anyIssue = true;
        } else {
            std::printf("  Not an issue: \"%s\" is not within its first 79 bytes.\n\n",
                        IssueMarker);
        }
    }
    plugin.Exit();
    UnloadPluginLibrary(plugin);
    if (BoxesShown() > 0 || messages.empty()) {
        return BoxShown;
    }
    return anyIssue ? IssueWithoutBox : NoIssue;
}

} // namespace

int main(int argc, char **argv) {
    PreviewOptions options;
    options.PluginPath = ProgramFolder() + "/libdovrink.so";
    bool help = false;
    std::string error;
    if (!ParseOptions(argc, argv, options, help, error)) {
        std::fprintf(stderr, "dovrink-preview: %s\n\n%s", error.c_str(),
                     UsageText(argv[0]).c_str());
        return 2;
    }
    if (help) {
        std::fputs(UsageText(argv[0]).c_str(), stdout);
        return 0;
    }
    const auto codePage = static_cast<unsigned>(std::stoul(options.CodePage));
    std::vector<Message> messages(options.MessageFiles.size());
    for (size_t i = 0; i < messages.size(); ++i) {
        if (!ReadMessage(options.MessageFiles[i], codePage, messages[i], error)) {
            std::fprintf(stderr, "dovrink-preview: %s\n", error.c_str());
            return Failed;
        }
    }
    if (options.Batch && options.Answers.empty()) {
        options.Answers = "ok";
    }
    SetUpSystem(options);
    return Preview(options, messages);
}
