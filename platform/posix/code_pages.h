#pragma once
// The code pages that the POSIX side knows: shared by the stand-ins (GetACP, GetCPInfo) and the
// preview, which lists them and reads mail into them by their iconv names.
#include <string>

#include "platform/posix/windows_api.h"

struct CodePage {
    UINT Number;
    const char *IconvName;
    BYTE LeadByte[MAX_LEADBYTES]; // ranges as pairs of first and last byte, ended by a zero pair
};

// The code pages that the stand-ins know; null for any other number.
const CodePage *FindCodePage(UINT number);

// True at a byte that starts a double-byte character of the code page.
bool IsLeadByteOf(const CodePage &page, unsigned char byte);

// What Windows reads a byte as that the code page assigns no character: a control character of
// its own value, or in code page 932 a character of the private use area. 0 when iconv's table
// has it.
char16_t UnassignedByteChar(const CodePage &page, unsigned char byte);

// What Windows reads a double-byte sequence as that the code page cannot read: the katakana
// middle dot in code page 932, the question mark elsewhere.
char16_t UnreadableChar(const CodePage &page);

// The numbers of all known code pages, for messages such as a usage text.
std::string KnownCodePages();
