#pragma once
// Text between charsets through iconv: shared by the stand-ins' terminal boxes and the preview's
// reading of saved mail, so that there is one conversion loop. It knows nothing of the process's
// code page; code_page.h converts from that.
#include <cstddef>
#include <string>

// How many bytes an unreadable sequence takes, so that its trailing bytes are never read as
// characters of their own: one replacement for each character, and the rest read in step.
enum class SequenceUnit {
    Byte,
    Utf8,       // the longest beginning of a sequence, as platform/text_encoding.h takes it
    Cp932,      // a lead byte and the byte that can follow it
    DoubleByte, // GBK, Big5, Windows' code page 949: a lead byte of 0x81 to 0xFE and its trail
    Gb18030,    // as DoubleByte, or four bytes: lead, digit, lead, digit
    Utf16,      // a code unit
};

// Converts between iconv's charsets, appending to `out`; each sequence that cannot be read or
// written becomes `replacement`, and counts in `replaced`. False when iconv knows neither name.
bool ConvertText(const std::string &text, const char *from, const char *to, SequenceUnit unit,
                 const char *replacement, std::string &out, size_t &replaced);
