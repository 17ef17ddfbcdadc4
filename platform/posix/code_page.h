#pragma once
// The process's ANSI code page on POSIX, for the stand-ins: chosen through the environment, as
// Windows takes it from the system locale (GetACP and GetCPInfo in windows_api.h).
#include <string>

// True at a byte that starts a double-byte character of the ANSI code page.
bool IsAnsiLeadByte(unsigned char byte);

// Text of the ANSI code page in UTF-8, for the terminal; a byte that is not text shows as U+FFFD.
std::string AnsiToUtf8(const std::string &text);
