#include "viewer/search/char_starts.h"

#include "platform/lead_bytes.h"
#include "viewer/scan/bit_mask.h"
#include "viewer/scan/scan_kernels.h"

namespace {

// Where the run of lead bytes that ends just before `at` starts, looking back no further than
// `start`: 64 bytes at a time, so that a long run costs little more than the scan over it.
const char *LeadRunStart(const char *start, const char *at) {
    const char *run = at;
    while (run - start >= static_cast<std::ptrdiff_t>(BlockSize)) {
        const std::uint64_t leads = Kernels->LeadBits(run - BlockSize);
        if (leads != ~std::uint64_t{0}) {
            return run - __builtin_clzll(~leads);
        }
        run -= BlockSize;
    }
    while (run > start && IsLeadByte(run[-1])) {
        --run;
    }
    return run;
}

} // namespace

void JudgeAt(CharCursor &cursor, const char *at) {
    // A character starts at `start`, and every byte from there to `at` may be checked.
    const char *start = cursor.Judged + (cursor.JudgedTrails ? 1 : 0);
    cursor = {at, (at - LeadRunStart(start, at)) % 2 != 0};
}

std::uint64_t TrailingBytes(CharCursor &cursor, const char *block) {
    bool trailsAfter = false;
    const std::uint64_t trails =
        TrailingBytesOf(Kernels->LeadBits(block), IsTrailingByte(cursor, block), trailsAfter);
    cursor = {block + BlockSize, trailsAfter};
    return trails;
}
