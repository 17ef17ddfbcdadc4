#include "viewer/find_text.h"

#include <cstdint>
#include <cstring>

#include "viewer/char_starts.h"
#include "viewer/lead_bytes.h"
#include "viewer/vector_bytes.h"

namespace {

constexpr size_t BlockSize = 64;

// The pattern's first and last byte, to sift 64 start positions at a time: a position stays a
// candidate when both stand where they would in a match.
struct Sieve {
    __m128i First;
    __m128i Last;
    size_t LastOffset;
};

std::uint64_t Candidates(const Sieve &sieve, const char *block) {
    std::uint64_t bits = 0;
    for (size_t part = 0; part < BlockSize / VectorSize; ++part) {
        const char *at = block + part * VectorSize;
        const __m128i first = _mm_cmpeq_epi8(LoadBytes(at), sieve.First);
        const __m128i last = _mm_cmpeq_epi8(LoadBytes(at + sieve.LastOffset), sieve.Last);
        bits |= static_cast<std::uint64_t>(BitsOf(_mm_and_si128(first, last)))
                << (part * VectorSize);
    }
    return bits;
}

// True when the bytes between the pattern's first and last match too.
bool MiddleMatches(const char *at, const char *pattern, size_t patternLength) {
    return patternLength <= 2 || std::memcmp(at + 1, pattern + 1, patternLength - 2) == 0;
}

const char *Search(const char *text, size_t length, const char *pattern, bool doubleByte) {
    const size_t patternLength = std::strlen(pattern);
    if (patternLength == 0) {
        return doubleByte && length == 0 ? nullptr : text;
    }
    if (patternLength > length) {
        return nullptr;
    }
    const size_t lastStart = length - patternLength;
    const Sieve sieve{Broadcast(pattern[0]), Broadcast(pattern[patternLength - 1]),
                      patternLength - 1};
    CharCursor cursor = CursorAt(text);
    size_t block = 0;
    // Whole blocks while every byte that the sieve loads belongs to the text.
    for (; block + BlockSize - 1 <= lastStart; block += BlockSize) {
        std::uint64_t candidates = Candidates(sieve, text + block);
        if (candidates != 0 && doubleByte) {
            candidates &= ~TrailingBytes(cursor, text + block);
        }
        for (; candidates != 0; candidates &= candidates - 1) {
            const char *at = text + block + static_cast<size_t>(LowestBit(candidates));
            if (MiddleMatches(at, pattern, patternLength)) {
                return at;
            }
        }
    }
    for (size_t start = block; start <= lastStart; ++start) {
        const char *at = text + start;
        if (*at == pattern[0] && at[patternLength - 1] == pattern[patternLength - 1] &&
            MiddleMatches(at, pattern, patternLength) &&
            !(doubleByte && IsTrailingByte(cursor, at))) {
            return at;
        }
    }
    return nullptr;
}

} // namespace

const char *FindBytes(const char *text, size_t length, const char *pattern) {
    return Search(text, length, pattern, false);
}

const char *FindText(const char *text, size_t length, const char *pattern) {
    return Search(text, length, pattern, IsDoubleByteCodePage());
}
