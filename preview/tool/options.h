#pragma once
// The preview tool's command line.
#include <string>
#include <vector>

struct PreviewOptions {
    std::string PluginPath;
    std::string HostDir; // empty: the program's own folder
    std::string CodePage = "932";
    std::string Answers; // empty: asked at a terminal, else OK
    bool ShowSettings = false;
    bool Batch = false;   // never ask: the answers given, then OK
    bool Explain = false; // say for every message what became of each keyword
    bool Suggest = false; // propose the settings from the issues instead of showing their boxes
    std::vector<std::string> MessageFiles;
};

// False, with the reason, when the command line cannot be used. `help` is set for --help.
bool ParseOptions(int argc, char **argv, PreviewOptions &options, bool &help, std::string &error);

std::string UsageText(const char *program);
