#pragma once
// ISO-2022-JP mail as Windows reads it. Windows takes the JIS X 0208 rows that iconv's decoder
// refuses, such as row 13 (circled numbers, "㈱"), from the extensions of code page 932; so this
// decoder maps the JIS codes arithmetically onto code page 932 and leaves the rest to it. It
// needs no converter of the system's, so that the preview and the self-check read alike.
#include <cstddef>
#include <string>

// Appends the text in code page 932: ASCII and JIS-Roman as they are, half-width katakana (by
// ESC ( I, or by SO until SI, an escape sequence or a line break) and JIS X 0208 characters at
// their Shift_JIS codes, including the variants' (-MS, -1, -2, -3) as far as code page 932 holds
// them. A character of a set that code page 932 lacks, a byte that is no character of the set in
// use and an unknown escape sequence each become one UnreadableInCp932 (jis_codes.h), and the
// bytes after it are read on their own; returns how many did. 8-bit bytes (Shift_JIS sent under
// this label) pass as they are, for code page 932 to read.
size_t Iso2022JpToCp932(const std::string &text, std::string &cp932);
