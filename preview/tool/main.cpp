// dovrink-preview: a stand-in mail client for Linux that loads libdovrink.so as the real client
// loads dovrink.dll, and shows what the plugin would show for saved messages.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/posix/environment.h"
#include "platform/posix/program_path.h"
#include "preview/run/run.h"
#include "preview/stand_in/host_exports.h"
#include "preview/stand_in/plugin_library.h"
#include "preview/tool/options.h"
#include "preview/words/settings_report.h"

namespace {

constexpr int Failed = static_cast<int>(ExitStatus::Unreadable);
constexpr int WrongOption = static_cast<int>(ExitStatus::WrongUsage);

std::string ProgramFolder() {
    const std::string program = ProgramPath();
    return program.empty() ? "." : program.substr(0, program.rfind('/'));
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
    const int mistakes = options.ShowSettings ? PrintSettingsReport(*plugin.Inspection) : 0;
    PreviewRun run(plugin, static_cast<unsigned>(std::stoul(options.CodePage)), options.Explain,
                   options.Suggest, stdout);
    run.CountWarnings(static_cast<size_t>(mistakes));
    run.PreviewAll(options.MessageFiles);
    plugin.Entries.Exit();
    UnloadPluginLibrary(plugin);
    return static_cast<int>(run.Status());
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
        return static_cast<int>(ExitStatus::BoxesShown);
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
