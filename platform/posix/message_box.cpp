// MessageBoxA in the terminal: draws the box on standard output and waits for its answer.
#include <dlfcn.h>

#include <cstdio>
#include <string>

#include "platform/ansi_text.h"
#include "platform/posix/terminal_box.h"
#include "platform/posix/windows_api.h"

namespace {

// A program may watch the boxes, as a Windows program would with a CBT hook: it exports this
// function, and each box is reported to it, with its caption and whether it was cancelled, once
// answered.
using BoxWatcher = void (*)(const char *caption, int cancelled);
constexpr const char *BoxWatcherName = "DovrinkWatchBox";

void ReportBox(const char *caption, bool cancelled) {
    static const auto watcher = reinterpret_cast<BoxWatcher>(dlsym(RTLD_DEFAULT, BoxWatcherName));
    if (watcher != nullptr) {
        watcher(caption, cancelled ? 1 : 0);
    }
}

} // namespace

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT) {
    try {
        const std::string box = DrawBox(Utf8OfAnsi(caption != nullptr ? caption : ""),
                                        Utf8OfAnsi(text != nullptr ? text : ""));
        std::fputs(box.c_str(), stdout);
        const BoxAnswer answer = NextAnswer();
        ReportBox(caption, answer == BoxAnswer::Cancel);
        std::putchar('\n');
        std::fflush(stdout);
        return answer == BoxAnswer::Ok ? IDOK : IDCANCEL;
    } catch (...) {
        // The failure result of a box that cannot be shown.
        return 0;
    }
}
