// MessageBoxA in the terminal: draws the box on standard output and waits for its answer.
#include <cstdio>
#include <string>

#include "platform/posix/code_page.h"
#include "platform/posix/terminal_box.h"
#include "platform/posix/windows_api.h"

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT) {
    try {
        const std::string box = DrawBox(AnsiToUtf8(caption != nullptr ? caption : ""),
                                        AnsiToUtf8(text != nullptr ? text : ""));
        std::fputs(box.c_str(), stdout);
        const BoxAnswer answer = NextAnswer();
        std::putchar('\n');
        std::fflush(stdout);
        return answer == BoxAnswer::Ok ? IDOK : IDCANCEL;
    } catch (...) {
        // The failure result of a box that cannot be shown.
        return 0;
    }
}
