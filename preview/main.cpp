// dovrink-preview: a stand-in mail client for Linux that loads libdovrink.so as the real client
// loads dovrink.dll, and shows what the plugin would show for saved messages.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/posix/environment.h"
#include "preview/host_exports.h"
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

bool ReadMessage(const std::string &file, std::string &body) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    body = bytes.str();
    return static_cast<bool>(in);
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

int Preview(const PreviewOptions &options, const std::vector<std::string> &bodies) {
    PluginLibrary plugin;
    std::string error;
    if (!LoadPluginLibrary(options.PluginPath, plugin, error)) {
        std::fprintf(stderr, "dovrink-preview: %s\n", error.c_str());
        return 1;
    }
    SetPluginHandle(plugin.Handle);
    std::printf("Plugin %s, interface version 0x%X, code page %s\n\n", options.PluginPath.c_str(),
                static_cast<unsigned>(plugin.GetPluginVersion()), options.CodePage.c_str());
    if (plugin.Init() == 0) {
        std::printf("Initialisation failed: the plugin does not accept this host.\n");
        UnloadPluginLibrary(plugin);
        return 1;
    }
    if (options.ShowSettings) {
        PrintSettingsReport();
    }
    for (size_t i = 0; i < bodies.size(); ++i) {
        std::printf("Message %zu: %s (%zu bytes)\n\n", i + 1, options.MessageFiles[i].c_str(),
                    bodies[i].size());
        std::fflush(stdout);
        SetMessageOnView(bodies[i]);
        plugin.OnUpdateView();
        if (!CarriesIssueMarker(bodies[i])) {
            std::printf("  Not an issue: \"%s\" is not within its first 79 bytes.\n\n",
                        IssueMarker);
        }
    }
    plugin.Exit();
    UnloadPluginLibrary(plugin);
    return 0;
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
    std::vector<std::string> bodies(options.MessageFiles.size());
    for (size_t i = 0; i < bodies.size(); ++i) {
        if (!ReadMessage(options.MessageFiles[i], bodies[i])) {
            std::fprintf(stderr, "dovrink-preview: cannot read %s\n",
                         options.MessageFiles[i].c_str());
            return 1;
        }
    }
    SetUpSystem(options);
    return Preview(options, bodies);
}
