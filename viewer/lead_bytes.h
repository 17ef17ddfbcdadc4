#pragma once
// The ANSI code page's lead bytes, taken once when the library loads.

// True at every byte that starts a double-byte character; all false in a single-byte code page.
extern bool LeadBytes[256];

// The same bytes as ranges, for the vector scans: first and last byte of each, in order.
struct LeadByteRange {
    unsigned char First;
    unsigned char Last;
};
constexpr int MaxLeadByteRanges = 6;
extern LeadByteRange LeadByteRanges[MaxLeadByteRanges];
extern int LeadByteRangeCount;

void LoadLeadBytes();

// True when the code page has double-byte characters.
bool IsDoubleByteCodePage();

inline bool IsLeadByte(char byte) { return LeadBytes[static_cast<unsigned char>(byte)]; }
