// dovrink-check.exe on Windows: the console, the clipboard, files and the command line handed to
// the self-check's run (check/self_check.h), which decides everything else.
#include <string>
#include <vector>

#include "check/check_system.h"
#include "check/clipboard_win32.h"
#include "check/console_win32.h"
#include "check/self_check.h"
#include "check/text_file_win32.h"
#include "platform/windows_api.h"
#include "plugin/module_handle.h"

int wmain(int argc, wchar_t **argv) {
    // The plugin's code runs here as in the DLL: with the code page's lead bytes and the scan
    // kernels that this processor runs, taken as the DLL takes them when it is loaded.
    OnProcessAttach(GetModuleHandleA(nullptr));
    const Console console;
    const CheckSystem system = {
        [&console](const std::string &text) { console.Write(text); },
        [&console](const std::string &question) { return console.AskYes(question); },
        [&console](const std::string &question) { return console.ReadLine(question); },
        [&console](const std::string &prompt) { console.WaitForKey(prompt); },
        console.OwnWindow(),
        console.Columns(),
        ClipboardText,
        [](const WideText &path, std::string &bytes) { return ReadTextFile(path.c_str(), bytes); },
        FilesInFolder,
    };
    return static_cast<int>(RunSelfCheck(std::vector<WideText>(argv + 1, argv + argc), system));
}
