#include "viewer/find_each.h"

#include <cstdint>
#include <cstring>

#include "viewer/bit_mask.h"
#include "viewer/char_starts.h"
#include "viewer/find_byte.h"
#include "viewer/find_text.h"
#include "viewer/lead_bytes.h"
#include "viewer/scan_kernels.h"
#include "viewer/verifier.h"

namespace {

using PatternSet = std::uint16_t; // bit k for pattern k
static_assert(MaxPatterns <= 16, "a pattern set holds a bit for each pattern");

// The patterns of two bytes or more still missing. At first a position is a candidate when its
// byte and the next are the first two of one of them: each distinct pair costs two 16-bit
// compares a vector. Text can put such pairs everywhere, in near misses; once false candidates
// pile up, the sieve asks instead for each pattern's first two bytes and its last, three byte
// compares a vector, which a near miss lacks unless it differs only inside. Each pattern's
// verifier confirms what passes.
struct Missing {
    const char *const *Patterns;
    Verifier Verifiers[MaxPatterns];
    const char **Found;
    std::uint32_t Openings[MaxPatterns]; // each pattern's first four bytes, or as many as it has
    std::uint32_t OpeningMasks[MaxPatterns]; // the bits of those bytes
    PatternSet ByFirstByte[256];
    PatternSieve Sieve;
    bool ByEnds;        // whether the sieve asks for the last byte too
    size_t FalseStarts; // candidates that matched nothing, or only at a second byte
};

// Adds the pattern to the sieve unless it asks for the same as one before.
void AddToSieve(PatternSieve &sieve, bool byEnds, const Verifier &verifier) {
    const auto head =
        static_cast<std::uint16_t>(static_cast<unsigned char>(verifier.Pattern[0]) |
                                   static_cast<unsigned char>(verifier.Pattern[1]) << 8);
    const size_t lastOffset = verifier.Length - 1;
    const char last = verifier.Pattern[lastOffset];
    for (int i = 0; i < sieve.Count; ++i) {
        const bool sameEnds =
            sieve.Heads[i] == head && sieve.Lasts[i] == last && sieve.LastOffsets[i] == lastOffset;
        if (byEnds ? sameEnds : sieve.Heads[i] == head) {
            return;
        }
    }
    const int i = sieve.Count++;
    sieve.Heads[i] = head;
    sieve.Lasts[i] = last;
    sieve.LastOffsets[i] = lastOffset;
    sieve.Reach = lastOffset > sieve.Reach ? lastOffset : sieve.Reach;
}

void BuildSieve(Missing &missing) {
    missing.Sieve.Count = 0;
    missing.Sieve.Reach = 0;
    for (const PatternSet set : missing.ByFirstByte) {
        for (PatternSet rest = set; rest != 0; rest &= rest - 1) {
            AddToSieve(missing.Sieve, missing.ByEnds, missing.Verifiers[LowestBit(rest)]);
        }
    }
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
PatternSet MatchesAt(Missing &missing, const char *at, const char *end) {
    PatternSet matches = 0;
    const std::uint32_t opening = OpeningAt(at, end - at);
    for (PatternSet rest = missing.ByFirstByte[static_cast<unsigned char>(*at)]; rest != 0;
         rest &= rest - 1) {
        const int k = LowestBit(rest);
        if ((opening & missing.OpeningMasks[k]) == missing.Openings[k] &&
            Confirms(missing.Verifiers[k], at, end)) {
            matches |= static_cast<PatternSet>(1u << k);
        }
    }
    return matches;
}

// Counts a candidate that matched nothing, or only at a character's second byte; turns to the
// sieve of ends once they come more often than one in 64 bytes of text.
void CountFalseStart(Missing &missing, const char *buffer, const char *at) {
    ++missing.FalseStarts;
    if (!missing.ByEnds &&
        missing.FalseStarts > static_cast<size_t>(at - buffer) / BlockSize + BlockSize) {
        missing.ByEnds = true;
        BuildSieve(missing);
    }
}

// Tells the verifiers of `matches` that `at` is no character's start after all.
void Reject(Missing &missing, PatternSet matches, const char *at) {
    for (PatternSet rest = matches; rest != 0; rest &= rest - 1) {
        RuleOutMatch(missing.Verifiers[LowestBit(rest)], at);
    }
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
        std::uint64_t starts = 0;
        std::uint64_t nuls = 0;
        // Where characters start is worked out only for a block with a true byte match: most
        // candidates of the first sieve fail on their bytes. The sieve of ends, which only
        // text made against the first one brings on, works it out for every block itself.
        std::uint64_t trails = 0;
        bool trailsKnown = !doubleByte;
        if (missing.ByEnds) {
            bool trailing = IsTrailingByte(cursor, block);
            block = Kernels->SiftEachEnds[missing.Sieve.Count - 1](missing.Sieve, block, limit,
                                                                   trailing, starts, nuls);
            cursor = {starts != 0 || nuls != 0 ? block + BlockSize : block, trailing};
            trailsKnown = true;
        } else {
            block = Kernels->SiftPairs[missing.Sieve.Count - 1](missing.Sieve, block, limit, starts,
                                                                nuls);
        }
        if (starts == 0 && nuls == 0) {
            break;
        }
        const char *end = limit;
        if (nuls != 0) {
            end = block + LowestBit(nuls);
            starts &= BitsBelow(LowestBit(nuls));
        }
        for (; starts != 0; starts &= starts - 1) {
            const int offset = LowestBit(starts);
            const char *at = block + offset;
            const PatternSet matches = MatchesAt(missing, at, end);
            if (matches == 0) {
                CountFalseStart(missing, buffer, at);
                continue;
            }
            if (!trailsKnown) {
                trails = TrailingBytes(cursor, block);
                trailsKnown = true;
            }
            if (((trails >> offset) & 1) != 0) {
                Reject(missing, matches, at);
                CountFalseStart(missing, buffer, at);
            } else if (Record(missing, matches, at)) {
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
        if (matches == 0) {
            continue;
        }
        if (doubleByte && IsTrailingByte(cursor, at)) {
            Reject(missing, matches, at);
        } else if (Record(missing, matches, at)) {
            break;
        }
    }
    return end;
}

} // namespace

size_t FindEachText(const char *buffer, size_t size, const char *const *patterns, size_t count,
                    const char **found) {
    Missing missing{patterns, {}, found, {}, {}, {}, {}, false, 0};
    count = count < MaxPatterns ? count : MaxPatterns;
    bool anyMissing = false;
    for (size_t k = 0; k < count; ++k) {
        missing.Verifiers[k] = StartVerifier(buffer, patterns[k], std::strlen(patterns[k]));
        found[k] = nullptr;
        // Short patterns have no second byte for the sieve: FindText takes them below.
        if (missing.Verifiers[k].Length >= 2) {
            const size_t opening =
                missing.Verifiers[k].Length < 4 ? missing.Verifiers[k].Length : 4;
            missing.Openings[k] = OpeningAt(patterns[k], static_cast<std::ptrdiff_t>(opening));
            missing.OpeningMasks[k] =
                OpeningAt("\xFF\xFF\xFF\xFF", static_cast<std::ptrdiff_t>(opening));
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
        if (missing.Verifiers[k].Length < 2) {
            found[k] = FindText(buffer, length, patterns[k]);
        }
        EndVerifier(missing.Verifiers[k]);
    }
    return length;
}
