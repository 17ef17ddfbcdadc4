// A mail client's stand-in for the release zip: loads plugins\dovrink.dll from the current folder,
// as the client loads it from its own, shows it the body given on the command line and answers
// every box with OK. Prints each box's caption and text in UTF-8.
// usage: package_host.exe BODY_FILE
#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <io.h>
#include <sstream>
#include <string>

#include "message_boxes.h"
#include "test_host.h"

namespace {

std::string Utf8(const std::string &ansi) {
    const int wide =
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), &text[0], wide);
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, &out[0], size, nullptr, nullptr);
    return out;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: package_host BODY_FILE\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::ostringstream body;
    body << in.rdbuf();
    SetMessageOnView(body.str());

    HMODULE plugin = LoadLibraryA("plugins\\dovrink.dll");
    auto init = reinterpret_cast<int(WINAPI *)()>(GetProcAddress(plugin, "OmbrelPlugin_Init"));
    auto update =
        reinterpret_cast<void(WINAPI *)()>(GetProcAddress(plugin, "OmbrelPlugin_OnUpdateView"));
    if (init == nullptr || update == nullptr || init() == 0) {
        std::fprintf(stderr, "package_host: plugins\\dovrink.dll did not load or initialise\n");
        return 1;
    }
    BoxAnswerer answerer;
    update();
    // The boxes' own line breaks as they are, not doubled by the text mode's.
    _setmode(_fileno(stdout), _O_BINARY);
    for (const ShownBox &box : answerer.Shown()) {
        std::printf("[%s]\n%s\n", Utf8(box.Caption).c_str(), Utf8(box.Text).c_str());
    }
    return answerer.Shown().empty() ? 1 : 0;
}
