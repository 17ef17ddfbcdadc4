#include "viewer/lead_bytes.h"

#include "platform/windows_api.h"

bool LeadBytes[256];
LeadByteRange LeadByteRanges[MaxLeadByteRanges];
int LeadByteRangeCount = 0;

namespace {

bool DoubleByte = false;

} // namespace

void LoadLeadBytes() {
    for (bool &lead : LeadBytes) {
        lead = false;
    }
    LeadByteRangeCount = 0;
    CPINFO info;
    DoubleByte = GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1;
    if (!DoubleByte) {
        return;
    }
    // Ranges come as pairs of first and last byte, ended by a zero pair.
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
        const BYTE first = info.LeadByte[i];
        const BYTE last = info.LeadByte[i + 1];
        for (int byte = first; byte <= last; ++byte) {
            LeadBytes[byte] = true;
        }
        if (first <= last && LeadByteRangeCount < MaxLeadByteRanges) {
            LeadByteRanges[LeadByteRangeCount++] = {first, last};
        }
    }
}

bool IsDoubleByteCodePage() { return DoubleByte; }
