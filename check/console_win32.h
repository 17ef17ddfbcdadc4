#pragma once
// The self-check's window: text written as the console shows it whatever its code page (UTF-16
// through the wide console functions), or in the code page when the output goes to a file or a
// pipe; and, in a window of its own, a key read from the reader.
#include <cstddef>
#include <string>

#include "platform/windows_api.h"

class Console {
  public:
    Console();

    // Writes UTF-8 text with "\n" line ends as it is.
    void Write(const std::string &utf8) const;

    // The columns that a line may take: one less than the window's (79 in a file).
    size_t Columns() const { return Width; }

    // True when the program has the console window to itself, as when it is started by a
    // double-click: the window closes when it ends.
    bool OwnWindow() const { return Own; }

    // Asks a yes-or-no question; true for Y.
    bool AskYes(const std::string &question) const;

    // Waits for any key.
    void WaitForKey(const std::string &prompt) const;

    // Asks a question and returns the line answered (UTF-8, without its line break; empty at the
    // end of the input): typed at the console, or piped, in the code page, and then shown.
    std::string ReadLine(const std::string &question) const;

  private:
    wchar_t ReadKey() const;

    HANDLE Output;
    HANDLE Input;
    bool ToConsole;
    bool FromConsole;
    bool Own;
    size_t Width;
};
