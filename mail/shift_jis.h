#pragma once
// Our own reader of Shift_JIS as code page 932: which bytes make a character is ours, what a
// character is the system's code page 932 (its NEC and IBM extensions and user-defined rows
// included), so that both front-ends read a Japanese mail as Windows does.
#include <cstddef>
#include <string>

#include "mail/code_page_text.h"

// Appends the text in UTF-16. A lead byte and a byte that may follow it are one character,
// unreadable when code page 932 assigns it none; 0x80, 0xA0 and 0xFD to 0xFF alone (the marks of
// the Japanese decoders among them) are unreadable; each unreadable character is one U+FFFD.
// Returns how many there were.
size_t AppendCp932Text(const std::string &cp932, WideText &wide);
