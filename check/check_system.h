#pragma once
// What the self-check takes from Windows, and nothing else: its console, the clipboard, files and
// folders. main_win32.cpp hands over the real ones; the unit tests their own.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "check/checked_text.h"
#include "check/shown_text.h"
#include "diagnosis/text_lines.h"

// Larger files are no message text, and are not read.
constexpr size_t LargestTextFile = 64u << 20;

enum class FileRead { Read, Unreadable, TooLarge };

struct CheckSystem {
    // The console: UTF-8 text written as it is; a yes-or-no question, true for Y; a question and
    // the line answered (UTF-8, without its line break; empty at the end of the input); a key
    // waited for.
    std::function<void(const std::string &)> Write;
    std::function<bool(const std::string &)> AskYes;
    std::function<std::string(const std::string &)> ReadLine;
    std::function<void(const std::string &)> WaitForKey;
    bool OwnWindow; // the console window is the program's own, as when it is double-clicked
    size_t Columns; // that a line of the console may take
    // The text on the clipboard; false when there is none.
    std::function<bool(CheckedText &)> ClipboardText;
    // A file's bytes, up to LargestTextFile.
    std::function<FileRead(const WideText &path, std::string &bytes)> ReadFile;
    // The files in a folder, in the order of their names; false when the path names no folder.
    std::function<bool(const WideText &folder, std::vector<WideText> &files)> FilesInFolder;

    // Writes UTF-8 text with "\n" line ends, its lines broken to the console's width.
    void Tell(const std::string &utf8) const { Write(Wrapped(utf8, Columns)); }
};
