#include "viewer/find_text.h"

#include <cstdint>
#include <cstring>
#include <immintrin.h>

#include "viewer/char_starts.h"
#include "viewer/lead_bytes.h"
#include "viewer/vector_bytes.h"

namespace {

// A pattern and what its search has learnt so far. The pattern's first and last byte sift 64
// start positions at a time: a position stays a candidate when both stand where they would in a
// match.
struct Search {
    const char *Pattern;
    size_t Length;
    CharCursor Cursor; // where characters start, in a double-byte code page
    const char *Found;
};

Search StartSearch(const char *text, const char *pattern) {
    return {pattern, std::strlen(pattern), CursorAt(text), nullptr};
}

// From `block` on, 64 starts at a time while all of them are before `to`: the first block where
// the sieve lets a start through, with those starts in `bits`; or the block where fewer than 64
// starts remain, with none.
const char *SiftSse2(const Search &search, const char *block, const char *to, std::uint64_t &bits) {
    constexpr size_t Parts = BlockSize / VectorSize;
    const __m128i first = Broadcast(search.Pattern[0]);
    const __m128i last = Broadcast(search.Pattern[search.Length - 1]);
    const size_t lastOffset = search.Length - 1;
    for (; to - block >= static_cast<std::ptrdiff_t>(BlockSize); block += BlockSize) {
        __m128i both[Parts];
        __m128i any = _mm_setzero_si128();
        for (size_t part = 0; part < Parts; ++part) {
            const char *at = block + part * VectorSize;
            both[part] = _mm_and_si128(_mm_cmpeq_epi8(LoadBytes(at), first),
                                       _mm_cmpeq_epi8(LoadBytes(at + lastOffset), last));
            any = _mm_or_si128(any, both[part]);
        }
        if (BitsOf(any) != 0) {
            bits = 0;
            for (size_t part = 0; part < Parts; ++part) {
                bits |= static_cast<std::uint64_t>(BitsOf(both[part])) << (part * VectorSize);
            }
            return block;
        }
    }
    bits = 0;
    return block;
}

// SiftSse2 with 32 bytes a compare.
__attribute__((target("avx2"))) const char *SiftAvx2(const Search &search, const char *block,
                                                     const char *to, std::uint64_t &bits) {
    const __m256i first = _mm256_set1_epi8(search.Pattern[0]);
    const __m256i last = _mm256_set1_epi8(search.Pattern[search.Length - 1]);
    const size_t lastOffset = search.Length - 1;
    for (; to - block >= static_cast<std::ptrdiff_t>(BlockSize); block += BlockSize) {
        const __m256i low = _mm256_and_si256(_mm256_cmpeq_epi8(LoadWide(block), first),
                                             _mm256_cmpeq_epi8(LoadWide(block + lastOffset), last));
        const __m256i high =
            _mm256_and_si256(_mm256_cmpeq_epi8(LoadWide(block + 32), first),
                             _mm256_cmpeq_epi8(LoadWide(block + 32 + lastOffset), last));
        const __m256i any = _mm256_or_si256(low, high);
        if (!_mm256_testz_si256(any, any)) {
            bits = WideBitsOf(low) | static_cast<std::uint64_t>(WideBitsOf(high)) << 32;
            return block;
        }
    }
    bits = 0;
    return block;
}

// True when the bytes between the pattern's first and last match too.
bool MiddleMatches(const Search &search, const char *at) {
    return search.Length <= 2 || std::memcmp(at + 1, search.Pattern + 1, search.Length - 2) == 0;
}

// Seeks a match that starts from `from` up to before `to`; every such start has the whole
// pattern inside the text.
void SeekIn(Search &search, const char *from, const char *to, bool doubleByte) {
    const auto sift = UseWideVectors() ? SiftAvx2 : SiftSse2;
    const char *block = from;
    for (;;) {
        std::uint64_t candidates = 0;
        block = sift(search, block, to, candidates);
        if (candidates == 0) {
            break;
        }
        if (doubleByte) {
            candidates &= ~TrailingBytes(search.Cursor, block);
        }
        for (; candidates != 0; candidates &= candidates - 1) {
            const char *at = block + LowestBit(candidates);
            if (MiddleMatches(search, at)) {
                search.Found = at;
                return;
            }
        }
        block += BlockSize;
    }
    const char last = search.Pattern[search.Length - 1];
    for (const char *at = block; at < to; ++at) {
        if (*at == search.Pattern[0] && at[search.Length - 1] == last &&
            MiddleMatches(search, at) && !(doubleByte && IsTrailingByte(search.Cursor, at))) {
            search.Found = at;
            return;
        }
    }
}

const char *FindOne(const char *text, size_t length, const char *pattern, bool doubleByte) {
    Search search = StartSearch(text, pattern);
    if (search.Length == 0) {
        return doubleByte && length == 0 ? nullptr : text;
    }
    if (search.Length > length) {
        return nullptr;
    }
    SeekIn(search, text, text + (length - search.Length + 1), doubleByte);
    return search.Found;
}

} // namespace

const char *FindBytes(const char *text, size_t length, const char *pattern) {
    return FindOne(text, length, pattern, false);
}

const char *FindText(const char *text, size_t length, const char *pattern) {
    return FindOne(text, length, pattern, IsDoubleByteCodePage());
}
