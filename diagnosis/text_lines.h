#pragma once
// A text of the code page line by line, as a reader sees it: each line's bytes in the text, and
// its characters, each with the byte it starts at. What the judgements that look at a text's
// layout read it by: its headings, its rules, the near misses of a keyword.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/windows_api.h"

using WideText = std::basic_string<WCHAR>;

struct TextLine {
    size_t Start; // its first byte in the text
    size_t End;   // the byte after its last, before its line break
    WideText Characters;
    // The byte each character starts at, from the text's start, and the line's End after them.
    std::vector<size_t> Bytes;
};

// The lines of the text (up to its first NUL), each from 1 at its index + 1.
std::vector<TextLine> LinesOf(const std::string &text);

// The line (from 1) that holds the byte at `at`.
size_t LineAt(const std::vector<TextLine> &lines, size_t at);

// The text of the code page (CP_ACP, CP_UTF8 or another) in UTF-16, and back, as the system
// converts them; back with the conversion's flags and the character for one the code page lacks.
WideText WideOf(UINT codePage, const std::string &text);
std::string TextOf(UINT codePage, const WideText &wide, DWORD flags = 0,
                   const char *substitute = nullptr);

// The same, for the ANSI code page and UTF-8: what each judgement shows the reader.
WideText WideOfAnsi(const std::string &ansi);
std::string AnsiOfWide(const WideText &wide);
std::string Utf8OfWide(const WideText &wide);
