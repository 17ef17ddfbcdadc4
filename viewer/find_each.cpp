#include "viewer/find_each.h"

#include <cstdint>
#include <cstring>

#include "viewer/char_starts.h"
#include "viewer/find_byte.h"
#include "viewer/find_text.h"
#include "viewer/lead_bytes.h"
#include "viewer/vector_bytes.h"

namespace {

using PatternSet = std::uint16_t; // bit k for pattern k
static_assert(MaxPatterns <= 16, "a pattern set holds a bit for each pattern");

// The patterns of two bytes or more still missing. A position is a candidate when its byte and
// the next are the first two of one of them; each distinct pair costs two 16-bit compares for
// sixteen positions.
struct Missing {
    const char *const *Patterns;
    size_t Lengths[MaxPatterns];
    const char **Found;
    PatternSet ByFirstByte[256];
    std::uint16_t Pairs[MaxPatterns];
    int PairCount;
};

void BuildSieve(Missing &missing) {
    missing.PairCount = 0;
    for (const PatternSet set : missing.ByFirstByte) {
        for (PatternSet rest = set; rest != 0; rest &= rest - 1) {
            const auto *pattern =
                reinterpret_cast<const unsigned char *>(missing.Patterns[LowestBit(rest)]);
            const auto pair = static_cast<std::uint16_t>(pattern[0] | pattern[1] << 8);
            bool seen = false;
            for (int i = 0; i < missing.PairCount; ++i) {
                seen = seen || missing.Pairs[i] == pair;
            }
            if (!seen) {
                missing.Pairs[missing.PairCount++] = pair;
            }
        }
    }
}

// The pairs found at the even byte offsets of `bytes`: all ones in both bytes of a match. The
// count is fixed at compile time, so that the compares unroll.
template <int Count> __m128i PairsAt(__m128i bytes, const __m128i *pairs) {
    __m128i any = _mm_cmpeq_epi16(bytes, pairs[0]);
    for (int i = 1; i < Count; ++i) {
        any = _mm_or_si128(any, _mm_cmpeq_epi16(bytes, pairs[i]));
    }
    return any;
}

// Where pairs start among the bytes of one compare, from the masks of the compares at even and at
// odd offsets: a 16-bit match sets two bits, and the lower one marks where the pair starts.
inline std::uint64_t PairStarts(std::uint32_t even, std::uint32_t odd) {
    constexpr std::uint32_t LowBytes = 0x55555555;
    return (even & LowBytes) | (odd & LowBytes) << 1;
}

// From `block` on, 64 positions at a time while the byte after them is before `limit`: the first
// block where the sieve lets a position through or that holds a NUL, with those positions in
// `pairs` and `nuls`; or the block where too few bytes remain, with neither.
template <int Count>
const char *SiftSse2(const std::uint16_t *wanted, const char *block, const char *limit,
                     std::uint64_t &pairs, std::uint64_t &nuls) {
    __m128i broadcast[Count];
    for (int i = 0; i < Count; ++i) {
        broadcast[i] = _mm_set1_epi16(static_cast<short>(wanted[i]));
    }
    const __m128i zero = _mm_setzero_si128();
    for (; limit - block > static_cast<std::ptrdiff_t>(BlockSize); block += BlockSize) {
        constexpr size_t Parts = BlockSize / VectorSize;
        __m128i even[Parts];
        __m128i odd[Parts];
        __m128i ends[Parts];
        __m128i any = zero;
        for (size_t part = 0; part < Parts; ++part) {
            const __m128i bytes = LoadBytes(block + part * VectorSize);
            even[part] = PairsAt<Count>(bytes, broadcast);
            odd[part] = PairsAt<Count>(LoadBytes(block + part * VectorSize + 1), broadcast);
            ends[part] = _mm_cmpeq_epi8(bytes, zero);
            any = _mm_or_si128(any, _mm_or_si128(_mm_or_si128(even[part], odd[part]), ends[part]));
        }
        if (BitsOf(any) != 0) {
            pairs = 0;
            nuls = 0;
            for (size_t part = 0; part < Parts; ++part) {
                pairs |= PairStarts(BitsOf(even[part]), BitsOf(odd[part])) << (part * VectorSize);
                nuls |= static_cast<std::uint64_t>(BitsOf(ends[part])) << (part * VectorSize);
            }
            return block;
        }
    }
    pairs = 0;
    nuls = 0;
    return block;
}

template <int Count>
__attribute__((target("avx2"))) __m256i PairsAt(__m256i bytes, const __m256i *pairs) {
    __m256i any = _mm256_cmpeq_epi16(bytes, pairs[0]);
    for (int i = 1; i < Count; ++i) {
        any = _mm256_or_si256(any, _mm256_cmpeq_epi16(bytes, pairs[i]));
    }
    return any;
}

// SiftSse2 with 32 bytes a compare.
template <int Count>
__attribute__((target("avx2"))) const char *SiftAvx2(const std::uint16_t *wanted, const char *block,
                                                     const char *limit, std::uint64_t &pairs,
                                                     std::uint64_t &nuls) {
    __m256i broadcast[Count];
    for (int i = 0; i < Count; ++i) {
        broadcast[i] = _mm256_set1_epi16(static_cast<short>(wanted[i]));
    }
    const __m256i zero = _mm256_setzero_si256();
    for (; limit - block > static_cast<std::ptrdiff_t>(BlockSize); block += BlockSize) {
        const __m256i low = LoadWide(block);
        const __m256i high = LoadWide(block + 32);
        const __m256i even0 = PairsAt<Count>(low, broadcast);
        const __m256i odd0 = PairsAt<Count>(LoadWide(block + 1), broadcast);
        const __m256i even1 = PairsAt<Count>(high, broadcast);
        const __m256i odd1 = PairsAt<Count>(LoadWide(block + 33), broadcast);
        const __m256i ends0 = _mm256_cmpeq_epi8(low, zero);
        const __m256i ends1 = _mm256_cmpeq_epi8(high, zero);
        const __m256i any = _mm256_or_si256(
            _mm256_or_si256(_mm256_or_si256(even0, odd0), _mm256_or_si256(even1, odd1)),
            _mm256_or_si256(ends0, ends1));
        if (!_mm256_testz_si256(any, any)) {
            pairs = PairStarts(WideBitsOf(even0), WideBitsOf(odd0)) |
                    PairStarts(WideBitsOf(even1), WideBitsOf(odd1)) << 32;
            nuls = WideBitsOf(ends0) | static_cast<std::uint64_t>(WideBitsOf(ends1)) << 32;
            return block;
        }
    }
    pairs = 0;
    nuls = 0;
    return block;
}

using Sieve = const char *(*)(const std::uint16_t *, const char *, const char *, std::uint64_t &,
                              std::uint64_t &);

// Index k sifts for k + 1 pairs.
constexpr Sieve Sse2Sieves[MaxPatterns] = {SiftSse2<1>, SiftSse2<2>, SiftSse2<3>,
                                           SiftSse2<4>, SiftSse2<5>, SiftSse2<6>,
                                           SiftSse2<7>, SiftSse2<8>, SiftSse2<9>};
constexpr Sieve Avx2Sieves[MaxPatterns] = {SiftAvx2<1>, SiftAvx2<2>, SiftAvx2<3>,
                                           SiftAvx2<4>, SiftAvx2<5>, SiftAvx2<6>,
                                           SiftAvx2<7>, SiftAvx2<8>, SiftAvx2<9>};

// The widest sieve allowed and run by this processor.
Sieve SieveFor(int pairCount) {
    return (UseWideVectors() ? Avx2Sieves : Sse2Sieves)[pairCount - 1];
}

// The missing patterns whose bytes all stand at `at`, inside the text.
PatternSet MatchesAt(const Missing &missing, const char *at, const char *end) {
    PatternSet matches = 0;
    for (PatternSet rest = missing.ByFirstByte[static_cast<unsigned char>(*at)]; rest != 0;
         rest &= rest - 1) {
        const int k = LowestBit(rest);
        const size_t length = missing.Lengths[k];
        if (static_cast<size_t>(end - at) >= length &&
            std::memcmp(at, missing.Patterns[k], length) == 0) {
            matches |= static_cast<PatternSet>(1u << k);
        }
    }
    return matches;
}

// Records the matches found at `at`; true when none is missing any more.
bool Record(Missing &missing, PatternSet matches, const char *at) {
    for (PatternSet rest = matches; rest != 0; rest &= rest - 1) {
        missing.Found[LowestBit(rest)] = at;
    }
    bool none = true;
    for (PatternSet &set : missing.ByFirstByte) {
        set = static_cast<PatternSet>(set & ~matches);
        none = none && set == 0;
    }
    if (!none) {
        BuildSieve(missing);
    }
    return none;
}

// The end of the text from `from` on: its first NUL, or the limit.
const char *EndOfText(const char *from, const char *limit) {
    return from + FindByte(from, static_cast<size_t>(limit - from), '\0');
}

// Seeks the missing patterns in the text at `buffer`, which ends at its first NUL or at `limit`,
// finding that end on the way; returns it.
const char *Seek(Missing &missing, const char *buffer, const char *limit, bool doubleByte) {
    CharCursor cursor = CursorAt(buffer);
    const char *block = buffer;
    for (;;) {
        std::uint64_t pairs = 0;
        std::uint64_t nuls = 0;
        block = SieveFor(missing.PairCount)(missing.Pairs, block, limit, pairs, nuls);
        if (pairs == 0 && nuls == 0) {
            break;
        }
        const char *end = limit;
        if (nuls != 0) {
            end = block + LowestBit(nuls);
            pairs &= (nuls & (~nuls + 1)) - 1; // only starts before the NUL
        }
        // Where characters start is worked out only for a block with a true byte match: most
        // candidates fail on their bytes.
        std::uint64_t trails = 0;
        bool trailsKnown = !doubleByte;
        for (; pairs != 0; pairs &= pairs - 1) {
            const int offset = LowestBit(pairs);
            const char *at = block + offset;
            const PatternSet matches = MatchesAt(missing, at, end);
            if (matches == 0) {
                continue;
            }
            if (!trailsKnown) {
                trails = TrailingBytes(cursor, block);
                trailsKnown = true;
            }
            if (((trails >> offset) & 1) == 0 && Record(missing, matches, at)) {
                return nuls != 0 ? end : EndOfText(block, limit);
            }
        }
        if (nuls != 0) {
            return end;
        }
        block += BlockSize;
    }
    // Too few bytes left for the sieve.
    const char *end = EndOfText(block, limit);
    for (const char *at = block; at < end; ++at) {
        const PatternSet matches = MatchesAt(missing, at, end);
        if (matches != 0 && !(doubleByte && IsTrailingByte(cursor, at)) &&
            Record(missing, matches, at)) {
            break;
        }
    }
    return end;
}

} // namespace

size_t FindEachText(const char *buffer, size_t size, const char *const *patterns, size_t count,
                    const char **found) {
    Missing missing{patterns, {}, found, {}, {}, 0};
    count = count < MaxPatterns ? count : MaxPatterns;
    bool anyMissing = false;
    for (size_t k = 0; k < count; ++k) {
        missing.Lengths[k] = std::strlen(patterns[k]);
        found[k] = nullptr;
        // Short patterns have no second byte for the sieve: FindText takes them below.
        if (missing.Lengths[k] >= 2) {
            missing.ByFirstByte[static_cast<unsigned char>(patterns[k][0])] |=
                static_cast<PatternSet>(1u << k);
            anyMissing = true;
        }
    }
    const char *limit = buffer + size;
    const char *end = nullptr;
    if (anyMissing) {
        BuildSieve(missing);
        end = Seek(missing, buffer, limit, IsDoubleByteCodePage());
    } else {
        end = EndOfText(buffer, limit);
    }
    const auto length = static_cast<size_t>(end - buffer);
    for (size_t k = 0; k < count; ++k) {
        if (missing.Lengths[k] < 2) {
            found[k] = FindText(buffer, length, patterns[k]);
        }
    }
    return length;
}
