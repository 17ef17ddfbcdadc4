#pragma once
// The byte scans that run on vectors, written once over a 64-byte block type and compiled for
// each instruction set. The plugin takes the widest set the processor and the system allow when
// it loads; every scan goes through that choice.
#include <cstddef>
#include <cstdint>

#include "viewer/find_each.h"

// A pattern's first and last byte, and how far the last stands from the first.
struct EndsSieve {
    char First;
    char Last;
    size_t LastOffset;
};

// Patterns by their first two bytes (the first in the low byte), and their last byte with its
// distance from the first.
struct PatternSieve {
    int Count;
    std::uint16_t Heads[MaxPatterns];
    char Lasts[MaxPatterns];
    size_t LastOffsets[MaxPatterns];
    size_t Reach; // the largest of LastOffsets
};

using PatternSift = const char *(*)(const PatternSieve &sieve, const char *block, const char *limit,
                                    std::uint64_t &starts, std::uint64_t &nuls);

using EndsSift = const char *(*)(const PatternSieve &sieve, const char *block, const char *limit,
                                 bool &trails, std::uint64_t &starts, std::uint64_t &nuls);

struct ScanKernels {
    const char *Name;

    // The index of the first `byte` among `length` bytes, or `length`.
    size_t (*FindByte)(const char *text, size_t length, char byte);

    // A page's line feeds from `from` on, before `end`, counted into `lines`; a line feed that a
    // CR or LF follows before `end` puts the byte after it in `cut`, where an empty line starts.
    // Returns the first line feed that makes `lines` pass `maxLines`, or `end`.
    const char *(*SeekPageEnd)(const char *from, const char *end, std::int32_t maxLines,
                               std::int32_t &lines, const char *&cut);

    // Bit i set when block[i] can lead a double-byte character, for 64 bytes.
    std::uint64_t (*LeadBits)(const char *block);

    // From `block` on, 64 starts at a time while all of them are before `to`: the first block
    // where some start has the sieve's first and last byte where a match would put them, with
    // those starts in `starts`; or the block where fewer than 64 starts remain, with none.
    const char *(*SiftEnds)(const EndsSieve &sieve, const char *block, const char *to,
                            std::uint64_t &starts);

    // From `block` on, 64 positions at a time while the byte after them is before `limit`: the
    // first block where some position holds one of the sieve's heads or a NUL, with those
    // positions in `starts` and `nuls`; or the block where too few bytes remain, with neither.
    // Index k sifts for k + 1 heads.
    PatternSift SiftPairs[MaxPatterns];

    // As SiftPairs, but a position passes with some pattern's first two bytes there and its last
    // byte where it would stand, and only at a character's first byte, while every byte read
    // stays before `limit`. `trails` tells whether the first byte of `block` is a character's
    // second byte, and on return whether the byte after the last block judged is: the block
    // returned when it lets a position through or holds a NUL, the one before it otherwise.
    EndsSift SiftEachEnds[MaxPatterns];
};

namespace sse2 {
extern const ScanKernels Table;
} // namespace sse2
namespace avx2 {
extern const ScanKernels Table;
} // namespace avx2

// The kernels in use: the baseline until the library's load chooses.
extern const ScanKernels *Kernels;

// Takes the widest kernels allowed here, unless the environment variable DOVRINK_VECTORS names
// others ("sse2" runs the baseline on any processor).
void ChooseScanKernels();

// Takes the kernels of that name ("sse2", "avx2"); false, changing nothing, when there are none
// or this processor or system cannot run them.
bool UseScanKernels(const char *name);
