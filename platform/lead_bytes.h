#pragma once
// The ANSI code page's lead bytes, taken once when the library loads. Written only by
// LoadLeadBytes; everything else reads them through CodePageBytes().

// A run of lead bytes, for the vector scans: its first and last byte.
struct LeadByteRange {
    unsigned char First;
    unsigned char Last;
};
constexpr int MaxLeadByteRanges = 6;

struct LeadByteTable {
    // True at every byte that starts a double-byte character; all false in a single-byte code page.
    bool Leads[256];
    // The same bytes as ranges, in order.
    LeadByteRange Ranges[MaxLeadByteRanges];
    int RangeCount;
    // True when the code page has double-byte characters.
    bool DoubleByte;
};

namespace lead_bytes_detail {
extern LeadByteTable Table;
} // namespace lead_bytes_detail

inline const LeadByteTable &CodePageBytes() { return lead_bytes_detail::Table; }

void LoadLeadBytes();

inline bool IsDoubleByteCodePage() { return CodePageBytes().DoubleByte; }

inline bool IsLeadByte(char byte) {
    return CodePageBytes().Leads[static_cast<unsigned char>(byte)];
}
