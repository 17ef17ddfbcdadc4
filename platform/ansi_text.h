#pragma once
// Text of the ANSI code page in UTF-8, as the system reads it, for what the preview and the
// self-check show a reader: Windows' own conversion in the self-check, the stand-ins' in the
// Linux library and the preview (posix/code_page.cpp), where a byte that is not text shows as
// U+FFFD.
#include <string>

std::string Utf8OfAnsi(const std::string &ansi);
