#pragma once
// The self-check's text between UTF-16 and a code page (the ANSI one, or UTF-8): the one pair of
// conversions that all its parts take.
#include <cstddef>
#include <string>

#include "platform/windows_api.h"

using WideText = std::basic_string<WCHAR>;

// The text of the code page (CP_ACP or CP_UTF8) in UTF-16.
WideText WideOf(UINT codePage, const std::string &text);

// UTF-16 text in the code page.
std::string TextOf(UINT codePage, const WideText &wide);

// UTF-16 text in the ANSI code page with no look-alike put in: each character it lacks is "?",
// and counts in `unheld`.
std::string AnsiOf(const WideText &wide, size_t &unheld);

// ANSI text in UTF-8, as the system reads it.
std::string Utf8OfAnsi(const std::string &ansi);
