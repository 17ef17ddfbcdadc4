#pragma once
// JIS X 0208 codes, as ISO-2022-JP and EUC-JP carry them, turned into code page 932's bytes:
// the arithmetic of Shift_JIS, which also reaches code page 932's own rows (13, and 89 to 92).
#include <string>

// Appends the Shift_JIS bytes of the JIS code `first` `second` (both 0x21 to 0x7E).
inline void AppendShiftJis(unsigned first, unsigned second, std::string &out) {
    const unsigned lead = ((first + 1) >> 1) + (first <= 0x5E ? 0x70 : 0xB0);
    const unsigned trail = second + ((first & 1) != 0 ? (second >= 0x60 ? 0x20 : 0x1F) : 0x7E);
    out += static_cast<char>(lead);
    out += static_cast<char>(trail);
}

// No character of code page 932: its decoder makes it one U+FFFD, and counts it.
constexpr char UnreadableInCp932 = '\xFF';
