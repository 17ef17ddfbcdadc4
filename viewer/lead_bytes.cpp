#include "viewer/lead_bytes.h"

#include "platform/windows_api.h"

bool LeadBytes[256];

namespace {

bool DoubleByte = false;

} // namespace

void LoadLeadBytes() {
    for (bool &lead : LeadBytes) {
        lead = false;
    }
    CPINFO info;
    DoubleByte = GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 1;
    if (!DoubleByte) {
        return;
    }
    // Ranges come as pairs of first and last byte, ended by a zero pair.
    for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i] != 0; i += 2) {
        for (int byte = info.LeadByte[i]; byte <= info.LeadByte[i + 1]; ++byte) {
            LeadBytes[byte] = true;
        }
    }
}

bool IsDoubleByteCodePage() { return DoubleByte; }
