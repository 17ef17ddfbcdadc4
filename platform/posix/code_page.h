#pragma once
// The process's ANSI code page on POSIX: chosen through the environment, as Windows takes it from
// the system locale, and converted to UTF-8 for the terminal with iconv.
#include <string>

#include "platform/posix/windows_api.h"

struct CodePage {
    UINT Number;
    const char *IconvName;
    BYTE LeadByte[MAX_LEADBYTES]; // ranges as pairs of first and last byte, ended by a zero pair
};

// The code pages that the stand-ins know; null for any other number.
const CodePage *FindCodePage(UINT number);

// The numbers of all known code pages, for messages such as a usage text.
std::string KnownCodePages();

bool IsAnsiLeadByte(unsigned char byte);

// The text in UTF-8; a byte sequence that is not text in the code page shows as U+FFFD.
std::string AnsiToUtf8(const std::string &text);

// True when every byte sequence of the text is a character of the ANSI code page.
bool IsAnsiText(const std::string &text);
