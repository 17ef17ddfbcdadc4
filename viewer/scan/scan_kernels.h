#pragma once
// The byte scans that run on vectors, written once over a 64-byte block type and compiled for
// each instruction set. The plugin takes the widest set the processor and the system allow when
// it loads; every scan goes through that choice.
#include <cstddef>
#include <cstdint>

#include "settings/settings.h"

// As many patterns as there are keywords: one search finds them all.
constexpr int MaxPatterns = KeywordCount;

// One pattern's first and last byte, and how far the last stands from the first.
struct FirstAndLast {
    char First;
    char Last;
    size_t LastOffset;
};

// Patterns by their head, the first two bytes (the first in the low byte), and their last byte
// with its distance from the first.
struct HeadSieve {
    int Count;
    std::uint16_t Heads[MaxPatterns];
    char Lasts[MaxPatterns];
    size_t LastOffsets[MaxPatterns];
    size_t Reach; // the largest of LastOffsets
};

// The head counts that a sift of heads is compiled for, so that its compares unroll: a sieve with
// another count is sifted by the next larger one, its first head standing in for the rest.
constexpr int HeadSiftSizes[] = {1, 2, 4, MaxPatterns};
constexpr int HeadSiftCount = sizeof HeadSiftSizes / sizeof *HeadSiftSizes;
static_assert(MaxPatterns >= 4, "the sizes of the sifts of heads grow");

// From `block` on, 64 positions at a time while the byte after them is before `limit`: the first
// block where some position holds one of the sieve's heads or a NUL, with those positions in
// `starts` and `nuls`; or the block where too few bytes remain, with neither.
using HeadSift = const char *(*)(const HeadSieve &sieve, const char *block, const char *limit,
                                 std::uint64_t &starts, std::uint64_t &nuls);

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
    // where some start has the pattern's first and last byte where a match would put them, with
    // those starts in `starts`; or the block where fewer than 64 starts remain, with none.
    const char *(*SiftFirstAndLast)(const FirstAndLast &ends, const char *block, const char *to,
                                    std::uint64_t &starts);

    // One for each of HeadSiftSizes.
    HeadSift SiftHeads[HeadSiftCount];

    // As a sift of heads, but a position passes with some pattern's head there and its last byte
    // where it would stand, and only at a character's first byte, while every byte read stays
    // before `limit`. `trails` tells whether the first byte of `block` is a character's second
    // byte, and on return whether the byte after the last block judged is: the block returned
    // when it lets a position through or holds a NUL, the one before it otherwise. For text made
    // against the sift of heads alone, so its count of heads is left to run time.
    const char *(*SiftHeadsAndLasts)(const HeadSieve &sieve, const char *block, const char *limit,
                                     bool &trails, std::uint64_t &starts, std::uint64_t &nuls);
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

// The sift of heads for the sieve, its unused heads filled for that sift's size.
HeadSift HeadSiftFor(HeadSieve &sieve);
