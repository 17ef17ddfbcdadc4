#include "mail_client.h"

#include <fstream>
#include <sstream>

#include "platform/symbol_binding.h"

bool LoadClientPlugin(const char *path, ClientPlugin &plugin) {
    plugin.Module = LoadLibraryA(path);
    return plugin.Module != nullptr &&
           BindSymbol(GetProcAddress(plugin.Module, "OmbrelPlugin_Init"), plugin.Init) &&
           BindSymbol(GetProcAddress(plugin.Module, "OmbrelPlugin_OnUpdateView"),
                      plugin.OnUpdateView);
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
