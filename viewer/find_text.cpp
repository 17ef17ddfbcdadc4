#include "viewer/find_text.h"

#include <cstdint>
#include <cstring>

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
    __m128i First;
    __m128i Last;
    CharCursor Cursor; // where characters start, in a double-byte code page
    const char *Found;
};

Search StartSearch(const char *text, const char *pattern) {
    const size_t length = std::strlen(pattern);
    const char last = length > 0 ? pattern[length - 1] : '\0';
    return {pattern, length, Broadcast(pattern[0]), Broadcast(last), CursorAt(text), nullptr};
}

// The sieve's verdict on the 64 starts from `block`, or 0 quickly when none passes.
std::uint64_t Candidates(const Search &search, const char *block) {
    const char *last = block + search.Length - 1;
    __m128i both[BlockSize / VectorSize];
    __m128i any = _mm_setzero_si128();
    for (size_t part = 0; part < BlockSize / VectorSize; ++part) {
        const size_t offset = part * VectorSize;
        both[part] = _mm_and_si128(_mm_cmpeq_epi8(LoadBytes(block + offset), search.First),
                                   _mm_cmpeq_epi8(LoadBytes(last + offset), search.Last));
        any = _mm_or_si128(any, both[part]);
    }
    if (BitsOf(any) == 0) {
        return 0;
    }
    std::uint64_t bits = 0;
    for (size_t part = 0; part < BlockSize / VectorSize; ++part) {
        bits |= static_cast<std::uint64_t>(BitsOf(both[part])) << (part * VectorSize);
    }
    return bits;
}

// True when the bytes between the pattern's first and last match too.
bool MiddleMatches(const Search &search, const char *at) {
    return search.Length <= 2 || std::memcmp(at + 1, search.Pattern + 1, search.Length - 2) == 0;
}

// Seeks a match that starts from `from` up to before `to`; every such start has the whole
// pattern inside the text.
void SeekIn(Search &search, const char *from, const char *to, bool doubleByte) {
    const char *block = from;
    for (; to - block >= static_cast<std::ptrdiff_t>(BlockSize); block += BlockSize) {
        std::uint64_t candidates = Candidates(search, block);
        if (candidates != 0 && doubleByte) {
            candidates &= ~TrailingBytes(search.Cursor, block);
        }
        for (; candidates != 0; candidates &= candidates - 1) {
            const char *at = block + LowestBit(candidates);
            if (MiddleMatches(search, at)) {
                search.Found = at;
                return;
            }
        }
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
