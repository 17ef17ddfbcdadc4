#pragma once
// Text between charsets through iconv: shared by the stand-ins' terminal boxes and the preview's
// reading of saved mail, so that there is one conversion loop.
#include <cstddef>
#include <string>

// How many bytes an unreadable sequence takes, so that its trailing bytes are never read as
// characters of their own.
enum class SequenceUnit { Byte, Cp932, Utf8 };

// Converts between iconv's charsets, appending to `out`; each sequence that cannot be read or
// written becomes `replacement`, and counts in `replaced`. False when iconv knows neither name.
bool ConvertText(const std::string &text, const char *from, const char *to, SequenceUnit unit,
                 const char *replacement, std::string &out, size_t &replaced);

// Text of the ANSI code page in UTF-8, for the terminal; a byte that is not text shows as U+FFFD.
std::string AnsiToUtf8(const std::string &text);

// True when every byte sequence of the text is a character of the ANSI code page.
bool IsAnsiText(const std::string &text);
