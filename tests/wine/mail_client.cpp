#include "mail_client.h"

#include <fstream>
#include <sstream>

bool LoadClientPlugin(const char *path, ClientPlugin &plugin) {
    HMODULE module = LoadLibraryA(path);
    plugin.Module = module;
    return module != nullptr &&
           FindEntryPoints([module](const char *name) { return GetProcAddress(module, name); },
                           plugin) == nullptr;
}

std::string ReadBodyFile(const char *path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream body;
    body << in.rdbuf();
    return body.str();
}

std::string AnsiToUtf8(const std::string &ansi) {
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
