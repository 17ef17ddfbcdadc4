#include "viewer/char_starts.h"

#include "viewer/lead_bytes.h"
#include "viewer/vector_bytes.h"

namespace {

constexpr std::uint64_t OddBits = 0xAAAAAAAAAAAAAAAAULL;

// Bit i set when block[i] can lead, for the 64 bytes from `block`.
std::uint64_t LeadBits(const char *block) {
    std::uint64_t bits = 0;
    for (size_t part = 0; part < BlockSize / VectorSize; ++part) {
        const __m128i bytes = LoadBytes(block + part * VectorSize);
        __m128i leads = _mm_setzero_si128();
        for (int r = 0; r < LeadByteRangeCount; ++r) {
            leads = _mm_or_si128(leads,
                                 InRange(bytes, LeadByteRanges[r].First, LeadByteRanges[r].Last));
        }
        bits |= static_cast<std::uint64_t>(BitsOf(leads)) << (part * VectorSize);
    }
    return bits;
}

} // namespace

bool IsTrailingByte(CharCursor &cursor, const char *at) {
    if (at != cursor.Judged) {
        // A character starts at `start`, and every byte from there to `at` may be checked.
        const char *start = cursor.Judged + (cursor.JudgedTrails ? 1 : 0);
        const char *run = at;
        while (run > start && IsLeadByte(run[-1])) {
            --run;
        }
        cursor = {at, (at - run) % 2 != 0};
    }
    return cursor.JudgedTrails;
}

std::uint64_t TrailingBytes(CharCursor &cursor, const char *block) {
    bool trailsAfter = false;
    const std::uint64_t trails =
        TrailingBytesOf(LeadBits(block), IsTrailingByte(cursor, block), trailsAfter);
    cursor = {block + BlockSize, trailsAfter};
    return trails;
}

// Runs of lead bytes, paired off from their start: a run's bytes alternate between starting a
// character and ending one, and the byte after an odd run ends one too. Subtracting the run
// from the odd bit positions carries through it and flips its pairing where it starts on an
// odd position (the method of escaped-character scanning in vector JSON parsers).
std::uint64_t TrailingBytesOf(std::uint64_t leads, bool firstTrails, bool &trailsAfter) {
    const std::uint64_t carried = firstTrails ? 1 : 0;
    const std::uint64_t starters = leads & ~carried;
    const std::uint64_t paired = (((starters << 1) | OddBits) - starters) ^ OddBits;
    trailsAfter = ((paired & leads) >> 63) != 0;
    return paired ^ (leads | carried);
}
