#pragma once
// EUC-JP mail as Windows reads it: its JIS X 0208 rows through code page 932, which adds NEC's
// row 13 (circled numbers, "㈱") and the NEC-selected IBM characters of rows 89 to 92; the IBM
// characters and user-defined rows that eucJP-ms writes after 0x8F as well.
#include <cstddef>
#include <string>

#include "mail/code_page_text.h"

// Appends the text in UTF-16; an unreadable character (a byte that starts nothing, a pair cut
// short, a character that code page 932 lacks) becomes one U+FFFD, and the text after it is read
// in step. Returns how many did.
size_t AppendEucJpText(const std::string &text, WideText &wide);
