// MessageBoxA in the terminal: draws the box on standard output and waits for its answer.
#include <dlfcn.h>

#include <cstdio>
#include <string>

#include "platform/posix/code_page.h"
#include "platform/posix/terminal_box.h"
#include "platform/posix/windows_api.h"

namespace {

// A program may watch the boxes, as a Windows program would with a CBT hook: it exports this
// function, and each box is reported to it once drawn.
using BoxWatcher = void (*)();
constexpr const char *BoxWatcherName = "DovrinkWatchBox";

void ReportBox() {
    static const auto watcher = reinterpret_cast<BoxWatcher>(dlsym(RTLD_DEFAULT, BoxWatcherName));
    if (watcher != nullptr) {
        watcher();
    }
}

} // namespace

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT) {
    try {
        const std::string box = DrawBox(AnsiToUtf8(caption != nullptr ? caption : ""),
                                        AnsiToUtf8(text != nullptr ? text : ""));
        std::fputs(box.c_str(), stdout);
        ReportBox();
        const BoxAnswer answer = NextAnswer();
        std::putchar('\n');
        std::fflush(stdout);
        return answer == BoxAnswer::Ok ? IDOK : IDCANCEL;
    } catch (...) {
        // The failure result of a box that cannot be shown.
        return 0;
    }
}
