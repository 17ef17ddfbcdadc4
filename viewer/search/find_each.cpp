#include "viewer/search/find_each.h"

#include <cstdint>
#include <cstring>

#include "platform/lead_bytes.h"
#include "viewer/scan/bit_mask.h"
#include "viewer/scan/find_byte.h"
#include "viewer/search/char_starts.h"
#include "viewer/search/find_text.h"
#include "viewer/search/verifier.h"

namespace {

using PatternSet = std::uint16_t; // bit k for pattern k
static_assert(MaxPatterns <= 16, "a pattern set holds a bit for each pattern");

// The search for the patterns of two bytes or more. At first a position is a candidate when its
// byte and the next are the head of a pattern still missing: each distinct head costs two 16-bit
// compares a vector. Text can put such heads everywhere, in near misses; once false candidates
// pile up, the sieve asks instead for each pattern's head and its last byte, three byte compares
// a vector, which a near miss lacks unless it differs only inside. Each pattern's verifier
// confirms what passes.
struct PatternSearch {
    const char *Buffer;
    const char *Limit; // the text ends here unless a NUL comes first
    bool DoubleByte;   // whether a match must start at a character's first byte
    CharCursor Cursor;
    Verifier Verifiers[MaxPatterns];
    const char **Found;
    std::uint32_t Openings[MaxPatterns]; // each pattern's first four bytes, or as many as it has
    std::uint32_t OpeningMasks[MaxPatterns]; // the bits of those bytes
    PatternSet ByFirstByte[256];             // the patterns still missing, by their first byte
    HeadSieve Sieve;
    HeadSift SiftHeads; // the sift for the sieve's count of heads
    bool ByLasts;       // whether the sieve asks for the last byte too
    size_t FalseStarts; // candidates that matched nothing, or only at a second byte
};

// Adds the pattern to the sieve unless it asks for the same as one before.
void AddToSieve(HeadSieve &sieve, bool byLasts, const Verifier &verifier) {
    const auto head =
        static_cast<std::uint16_t>(static_cast<unsigned char>(verifier.Pattern[0]) |
                                   static_cast<unsigned char>(verifier.Pattern[1]) << 8);
    const size_t lastOffset = verifier.Length - 1;
    const char last = verifier.Pattern[lastOffset];
    for (int i = 0; i < sieve.Count; ++i) {
        const bool sameEnds =
            sieve.Heads[i] == head && sieve.Lasts[i] == last && sieve.LastOffsets[i] == lastOffset;
        if (byLasts ? sameEnds : sieve.Heads[i] == head) {
            return;
        }
    }
    const int i = sieve.Count++;
    sieve.Heads[i] = head;
    sieve.Lasts[i] = last;
    sieve.LastOffsets[i] = lastOffset;
    sieve.Reach = lastOffset > sieve.Reach ? lastOffset : sieve.Reach;
}

void BuildSieve(PatternSearch &search) {
    search.Sieve.Count = 0;
    search.Sieve.Reach = 0;
    for (const PatternSet set : search.ByFirstByte) {
        for (PatternSet rest = set; rest != 0; rest &= rest - 1) {
            AddToSieve(search.Sieve, search.ByLasts, search.Verifiers[LowestBit(rest)]);
        }
    }
    search.SiftHeads = HeadSiftFor(search.Sieve);
}

// The first four bytes at `at` as one word, with `room` bytes left: as many as there are, the
// rest zero.
std::uint32_t OpeningAt(const char *at, std::ptrdiff_t room) {
    std::uint32_t word = 0;
    std::memcpy(&word, at, room >= 4 ? 4 : static_cast<size_t>(room));
    return word;
}

// The missing patterns whose bytes all stand at `at`, inside the text; candidates come in
// increasing order. The opening bytes go first, in one compare: most candidates fail on them.
PatternSet MatchesAt(PatternSearch &search, const char *at, const char *end) {
    PatternSet matches = 0;
    const std::uint32_t opening = OpeningAt(at, end - at);
    for (PatternSet rest = search.ByFirstByte[static_cast<unsigned char>(*at)]; rest != 0;
         rest &= rest - 1) {
        const int k = LowestBit(rest);
        if ((opening & search.OpeningMasks[k]) == search.Openings[k] &&
            Confirms(search.Verifiers[k], at, end)) {
            matches |= static_cast<PatternSet>(1u << k);
        }
    }
    return matches;
}

// Counts a candidate that matched nothing, or only at a character's second byte; turns to the
// sieve of lasts once they come more often than one in 64 bytes of text.
void CountFalseStart(PatternSearch &search, const char *at) {
    ++search.FalseStarts;
    if (!search.ByLasts &&
        search.FalseStarts > static_cast<size_t>(at - search.Buffer) / BlockSize + BlockSize) {
        search.ByLasts = true;
        BuildSieve(search);
    }
}

// Tells the verifiers of `matches` that `at` is no character's start after all.
void Reject(PatternSearch &search, PatternSet matches, const char *at) {
    for (PatternSet rest = matches; rest != 0; rest &= rest - 1) {
        RuleOutMatch(search.Verifiers[LowestBit(rest)], at);
    }
}

// Records the matches found at `at`; true when none is missing any more.
bool Record(PatternSearch &search, PatternSet matches, const char *at) {
    for (PatternSet rest = matches; rest != 0; rest &= rest - 1) {
        search.Found[LowestBit(rest)] = at;
    }
    bool none = true;
    for (PatternSet &set : search.ByFirstByte) {
        set = static_cast<PatternSet>(set & ~matches);
        none = none && set == 0;
    }
    if (!none) {
        BuildSieve(search);
    }
    return none;
}

// The end of the text from `from` on: its first NUL, or the limit.
const char *EndOfText(const PatternSearch &search, const char *from) {
    return from + FindByte(from, static_cast<size_t>(search.Limit - from), '\0');
}

// A block that the sieve let through: its candidates, its NULs, and which of its bytes are a
// character's second byte, once that is known.
struct SiftedBlock {
    const char *At;
    std::uint64_t Starts;
    std::uint64_t Nuls;
    std::uint64_t Trails;
    bool TrailsKnown;
};

// Sifts from `block` on with the sieve in force: false, with the block where it stopped, once too
// few bytes are left for it. The sieve of lasts lets only character starts through; after the
// sieve of heads, where characters start is worked out only for a block with a true byte match,
// since most of its candidates fail on their bytes.
bool SiftNext(PatternSearch &search, const char *block, SiftedBlock &sifted) {
    sifted = {block, 0, 0, 0, !search.DoubleByte};
    if (search.ByLasts) {
        bool trails = IsTrailingByte(search.Cursor, block);
        sifted.At = Kernels->SiftHeadsAndLasts(search.Sieve, block, search.Limit, trails,
                                               sifted.Starts, sifted.Nuls);
        const bool passed = (sifted.Starts | sifted.Nuls) != 0;
        search.Cursor = {passed ? sifted.At + BlockSize : sifted.At, trails};
        sifted.TrailsKnown = true;
    } else {
        sifted.At = search.SiftHeads(search.Sieve, block, search.Limit, sifted.Starts, sifted.Nuls);
    }
    return (sifted.Starts | sifted.Nuls) != 0;
}

// True when the byte at `offset` of the sifted block is a character's second byte.
bool AtSecondByte(PatternSearch &search, SiftedBlock &sifted, int offset) {
    if (!sifted.TrailsKnown) {
        sifted.Trails = TrailingBytes(search.Cursor, sifted.At);
        sifted.TrailsKnown = true;
    }
    return ((sifted.Trails >> offset) & 1) != 0;
}

// Judges the candidates of a sifted block, in a text that ends at `end`; true once no pattern is
// missing.
bool JudgeCandidates(PatternSearch &search, SiftedBlock &sifted, const char *end) {
    for (std::uint64_t starts = sifted.Starts; starts != 0; starts &= starts - 1) {
        const int offset = LowestBit(starts);
        const char *at = sifted.At + offset;
        const PatternSet matches = MatchesAt(search, at, end);
        if (matches == 0) {
            CountFalseStart(search, at);
        } else if (AtSecondByte(search, sifted, offset)) {
            Reject(search, matches, at);
            CountFalseStart(search, at);
        } else if (Record(search, matches, at)) {
            return true;
        }
    }
    return false;
}

// Seeks the patterns a block at a time from `block` on: the end of the text when the search
// ends on the way, else null, with `block` where too few bytes are left for the sieve.
const char *SeekByBlocks(PatternSearch &search, const char *&block) {
    SiftedBlock sifted;
    while (SiftNext(search, block, sifted)) {
        const char *end = search.Limit;
        if (sifted.Nuls != 0) {
            end = sifted.At + LowestBit(sifted.Nuls);
            sifted.Starts &= BitsBelow(LowestBit(sifted.Nuls));
        }
        if (JudgeCandidates(search, sifted, end)) {
            return sifted.Nuls != 0 ? end : EndOfText(search, sifted.At);
        }
        if (sifted.Nuls != 0) {
            return end;
        }
        block = sifted.At + BlockSize;
    }
    block = sifted.At;
    return nullptr;
}

// Seeks the patterns a byte at a time from `from` on, where too few bytes are left for the sieve;
// returns the end of the text.
const char *SeekTail(PatternSearch &search, const char *from) {
    const char *end = EndOfText(search, from);
    for (const char *at = from; at < end; ++at) {
        const PatternSet matches = MatchesAt(search, at, end);
        if (matches == 0) {
            continue;
        }
        if (search.DoubleByte && IsTrailingByte(search.Cursor, at)) {
            Reject(search, matches, at);
        } else if (Record(search, matches, at)) {
            break;
        }
    }
    return end;
}

// Seeks the missing patterns in the text, finding its end on the way; returns that end.
const char *Seek(PatternSearch &search) {
    const char *block = search.Buffer;
    const char *end = SeekByBlocks(search, block);
    return end != nullptr ? end : SeekTail(search, block);
}

} // namespace

size_t FindEachText(const char *buffer, size_t size, const char *const *patterns, size_t count,
                    const char **found) {
    PatternSearch search{};
    search.Buffer = buffer;
    search.Limit = buffer + size;
    search.DoubleByte = IsDoubleByteCodePage();
    search.Cursor = CursorAt(buffer);
    search.Found = found;
    count = count < size_t{MaxPatterns} ? count : size_t{MaxPatterns};
    bool anyMissing = false;
    for (size_t k = 0; k < count; ++k) {
        Verifier &verifier = search.Verifiers[k];
        verifier = StartVerifier(buffer, patterns[k], std::strlen(patterns[k]));
        found[k] = nullptr;
        // Short patterns have no second byte for the sieve: FindText takes them below.
        if (verifier.Length >= 2) {
            const auto opening =
                static_cast<std::ptrdiff_t>(verifier.Length < 4 ? verifier.Length : 4);
            search.Openings[k] = OpeningAt(patterns[k], opening);
            search.OpeningMasks[k] = OpeningAt("\xFF\xFF\xFF\xFF", opening);
            search.ByFirstByte[static_cast<unsigned char>(patterns[k][0])] |=
                static_cast<PatternSet>(1u << k);
            anyMissing = true;
        }
    }
    const char *end = nullptr;
    if (anyMissing) {
        BuildSieve(search);
        end = Seek(search);
    } else {
        end = EndOfText(search, buffer);
    }
    const auto length = static_cast<size_t>(end - buffer);
    for (size_t k = 0; k < count; ++k) {
        if (search.Verifiers[k].Length < 2) {
            found[k] = FindText(buffer, length, patterns[k]);
        }
        EndVerifier(search.Verifiers[k]);
    }
    return length;
}
