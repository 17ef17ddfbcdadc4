#pragma once
// Which of 64 bytes of double-byte text are a character's second byte, from the lead bytes among
// them: the bit arithmetic that both the scans and the searches use.
#include <cstdint>

// The second bytes among 64, given the lead bytes among them (bit i for byte i) and whether the
// first of them is a second byte; `trailsAfter` tells whether the byte after them is one.
//
// Runs of lead bytes, paired off from their start: a run's bytes alternate between starting a
// character and ending one, and the byte after an odd run ends one too. Subtracting the run's
// first bit from the odd positions carries through the run and flips its pairing where it starts
// on an odd position (the method of escaped-character scanning in vector JSON parsers).
//
// Eight bytes in text order, each L a lead byte: a L L L b L c d. The L at 1 starts a character
// that the L at 2 ends; the L at 3 starts one that b at 4 ends; the L at 5 one that c at 6 ends.
// In the masks the first byte is bit 0, on the right:
//   leads                      00101110
//   starters (firstTrails off) 00101110
//   starters << 1 | odd bits   11111110   (odd bits of eight: 10101010)
//   ... - starters             11010000   (the carry runs through each run of leads)
//   ... ^ odd bits = paired    01111010
//   paired ^ leads = trails    01010100   the bytes at 2, 4 and 6: each follows a starting lead
// A run's carry stops where it ends, so each 64-bit subtraction pairs every run in the block at
// once; `trailsAfter` hands an odd run at the top to the next block.
inline std::uint64_t TrailingBytesOf(std::uint64_t leads, bool firstTrails, bool &trailsAfter) {
    constexpr std::uint64_t OddBits = 0xAAAAAAAAAAAAAAAAULL;
    const std::uint64_t carried = firstTrails ? 1 : 0;
    const std::uint64_t starters = leads & ~carried;
    const std::uint64_t paired = (((starters << 1) | OddBits) - starters) ^ OddBits;
    trailsAfter = ((paired & leads) >> 63) != 0;
    return paired ^ (leads | carried);
}
