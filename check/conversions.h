#pragma once
// The self-check's text between UTF-16 and the ANSI code page, beyond the conversions that the
// judgements take (diagnosis/text_lines.h): what it cannot hold counted.
#include <cstddef>
#include <string>

#include "diagnosis/text_lines.h"

// UTF-16 text in the ANSI code page with no look-alike put in: each character it lacks is "?",
// and counts in `unheld`.
std::string AnsiOf(const WideText &wide, size_t &unheld);
