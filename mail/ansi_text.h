#pragma once
// Text as the mail client hands it to its plugins: in the ANSI code page, as the system writes it
// there, with CR LF line ends.
#include <cstddef>
#include <string>

#include "mail/code_page_text.h"

// The UTF-16 text in the code page with no look-alike put in: a character it lacks (an unreadable
// one's U+FFFD among them) is a "?" for each of its UTF-16 units, as Windows writes it, and counts
// once in `unheld`.
std::string AnsiOfWide(UINT codePage, const WideText &wide, size_t &unheld);

// Every line break (CR LF, LF or CR alone) as CR LF.
std::string WithCrLf(const std::string &text);
