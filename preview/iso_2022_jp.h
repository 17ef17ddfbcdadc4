#pragma once
// ISO-2022-JP mail as Windows reads it. Windows takes the JIS X 0208 rows that iconv's decoder
// refuses, such as row 13 (circled numbers, "㈱"), from the extensions of code page 932; so this
// decoder maps the JIS codes arithmetically onto code page 932 and leaves the rest to it.
#include <string>

// The text in code page 932: ASCII and JIS-Roman as they are, half-width katakana and JIS X 0208
// characters at their Shift_JIS codes. The other sets (JIS X 0212 and 0213, which code page 932
// does not hold) are dropped up to the next escape sequence.
std::string Iso2022JpToCp932(const std::string &text);
