#include "check/console_win32.h"

#include "check/conversions.h"
#include "platform/ansi_text.h"

namespace {

bool IsConsole(HANDLE handle) {
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != FALSE;
}

// Text for a file: the code page, and CR LF line ends as Windows' own tools write them.
std::string AnsiFileText(const WideText &wide) {
    WideText lines;
    for (const WCHAR unit : wide) {
        if (unit == L'\n') {
            lines.push_back(L'\r');
        }
        lines.push_back(unit);
    }
    return TextOf(CP_ACP, lines);
}

// Columns that a line may take: one less than the window's, so that no line ends at its edge,
// where the console would add an empty line of its own.
size_t WidthOf(HANDLE console, bool isConsole) {
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!isConsole || GetConsoleScreenBufferInfo(console, &info) == FALSE) {
        return 79;
    }
    const int columns = info.srWindow.Right - info.srWindow.Left + 1;
    return columns > 20 ? static_cast<size_t>(columns - 1) : 79;
}

} // namespace

Console::Console()
    : Output(GetStdHandle(STD_OUTPUT_HANDLE)), Input(GetStdHandle(STD_INPUT_HANDLE)),
      ToConsole(IsConsole(Output)), FromConsole(IsConsole(Input)), Own(false),
      Width(WidthOf(Output, ToConsole)) {
    DWORD processes[2];
    Own = ToConsole && FromConsole && GetConsoleProcessList(processes, 2) == 1;
}

void Console::Write(const std::string &utf8) const {
    const WideText wide = WideOf(CP_UTF8, utf8);
    DWORD written = 0;
    if (ToConsole) {
        WriteConsoleW(Output, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    const std::string ansi = AnsiFileText(wide);
    WriteFile(Output, ansi.data(), static_cast<DWORD>(ansi.size()), &written, nullptr);
}

wchar_t Console::ReadKey() const {
    FlushConsoleInputBuffer(Input);
    for (;;) {
        INPUT_RECORD record;
        DWORD read = 0;
        if (ReadConsoleInputW(Input, &record, 1, &read) == FALSE || read == 0) {
            return 0;
        }
        if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown != FALSE &&
            record.Event.KeyEvent.uChar.UnicodeChar != 0) {
            return record.Event.KeyEvent.uChar.UnicodeChar;
        }
    }
}

bool Console::AskYes(const std::string &question) const {
    Write(question);
    for (;;) {
        const wchar_t key = ReadKey();
        // Enter and Esc answer no, as does a console that gives no more keys.
        if (key == L'y' || key == L'Y' || key == L'n' || key == L'N' || key == L'\r' || key == 27 ||
            key == 0) {
            const bool yes = key == L'y' || key == L'Y';
            Write(yes ? "Y\n\n" : "N\n\n");
            return yes;
        }
    }
}

void Console::WaitForKey(const std::string &prompt) const {
    Write(prompt);
    ReadKey();
}

std::string Console::ReadLine(const std::string &question) const {
    Write(question);
    // A line longer than this is no answer to these questions: the rest is dropped.
    constexpr size_t Longest = 1024;
    if (FromConsole) {
        WideText line;
        for (;;) {
            WCHAR unit = 0;
            DWORD read = 0;
            if (ReadConsoleW(Input, &unit, 1, &read, nullptr) == FALSE || read == 0 ||
                unit == L'\n') {
                break;
            }
            if (unit != L'\r' && line.size() < Longest) {
                line.push_back(unit);
            }
        }
        return TextOf(CP_UTF8, line);
    }
    std::string line;
    for (;;) {
        char byte = 0;
        DWORD read = 0;
        if (ReadFile(Input, &byte, 1, &read, nullptr) == FALSE || read == 0 || byte == '\n') {
            break;
        }
        if (byte != '\r' && line.size() < Longest) {
            line.push_back(byte);
        }
    }
    const std::string answer = Utf8OfAnsi(line);
    Write(answer + "\n");
    return answer;
}
