#pragma once
// The charset labels that senders write, read as browsers and Windows read them: the labels of
// the WHATWG Encoding Standard, with the names that Windows adds for its Japanese code pages and
// those that Japanese mail programs write for their variants. Each names the decoder it is read
// with: our own for the Japanese encodings and Unicode, else the system's code page.
#include <string>

#include "platform/text_encoding.h"

enum class Decoder {
    ShiftJis,  // code page 932, its NEC and IBM extensions included
    EucJp,     // through code page 932 as well
    Iso2022Jp, // and its variants, through code page 932
    Utf8,
    Utf16Little,
    Utf16Big,
    UserDefined, // x-user-defined: ASCII, and the high bytes in the private use area
    CodePage,    // the system's conversion from the code page
};

struct Encoding {
    const char *Name; // as the standard names it
    Decoder With;
    unsigned CodePage; // Windows' number for the encoding
    SequenceUnit Unit; // how many bytes a character takes, for Decoder::CodePage
};

// The label as the standard compares it: comments in parentheses taken out (as RFC 2045 allows
// them in a parameter), white space and quotes trimmed, ASCII letters lowered.
std::string NormalLabel(const std::string &label);

// The encoding of a label made normal by NormalLabel; null for one that the table does not hold.
const Encoding *EncodingOfNormalLabel(const std::string &normal);

// True for a label that names a Japanese mail program's variant of its encoding ("sjis-win",
// "eucjp-win", "iso-2022-jp-ms"), which is read as the encoding it varies, as Japanese clients
// read it.
bool NamesVariant(const std::string &normal);

// The encoding that text without a label is read in, by what its bytes are: ISO-2022-JP when it is
// 7-bit with that encoding's escape sequences, as Japanese mailers sent it before MIME; UTF-8
// when it is ASCII or well-formed UTF-8; else code page 932. `how` says so for the reader.
const Encoding &EncodingOfUnlabelled(const std::string &bytes, const char *&how);
