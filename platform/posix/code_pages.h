#pragma once
// The code pages that the POSIX side knows: shared by the stand-ins (GetACP, GetCPInfo) and the
// preview, which lists them and reads mail into them by their iconv names.
#include <string>

#include "platform/posix/windows_api.h"

// How a code page's characters are made of bytes.
enum class CodePageForm : unsigned char {
    Bytes,    // one byte, or a lead byte and its trail
    FourByte, // as Bytes, or four bytes: lead, digit, lead, digit (GB18030)
    Shifting, // with shift states (UTF-7, ISO-2022-KR): converted whole
};

struct CodePage {
    UINT Number;
    const char *IconvName;
    BYTE LeadByte[MAX_LEADBYTES]; // ranges as pairs of first and last byte, ended by a zero pair
    CodePageForm Form = CodePageForm::Bytes;
};

// The ANSI code pages that the stand-ins know, which a process may run in; null for any other
// number.
const CodePage *FindCodePage(UINT number);

// The code pages that the stand-ins convert from and to, as Windows does: the ANSI ones and those
// of other systems that mail is sent in (ISO 8859, KOI8, DOS, Macintosh, GB18030, Johab, UTF-7,
// ISO-2022-KR); null for any other number.
const CodePage *FindConvertedCodePage(UINT number);

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
