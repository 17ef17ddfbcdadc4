#pragma once
// The process's ANSI code page on POSIX, for the stand-ins: chosen through the environment, as
// Windows takes it from the system locale (GetACP and GetCPInfo in windows_api.h).

// True at a byte that starts a double-byte character of the ANSI code page.
bool IsAnsiLeadByte(unsigned char byte);
