#include "platform/lead_bytes.h"

#include "platform/windows_api.h"

LeadByteTable lead_bytes_detail::Table;

void LoadLeadBytes() {
    LeadByteTable &table = lead_bytes_detail::Table;
    table = LeadByteTable{};
    CPINFO info;
    table.DoubleByte = GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1;
    if (!table.DoubleByte) {
        return;
    }
    // Ranges come as pairs of first and last byte, ended by a zero pair.
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
        const BYTE first = info.LeadByte[i];
        const BYTE last = info.LeadByte[i + 1];
        for (int byte = first; byte <= last; ++byte) {
            table.Leads[byte] = true;
        }
        if (first <= last && table.RangeCount < MaxLeadByteRanges) {
            table.Ranges[table.RangeCount++] = {first, last};
        }
    }
}
