#pragma once
// Confirms a pattern at the candidate starts a sieve lets through, at a cost linear in the text
// whatever it holds.
//
// Checking each candidate afresh costs text x pattern length on text that makes every position a
// near miss. So once the bytes compared outrun the text, the verifier learns the pattern's borders
// (as Knuth, Morris and Pratt did) and the bytes it holds. After a candidate fails with j bytes
// matched, no match starts before the shift that the border of those j bytes allows, and the
// border's bytes need no second look; a failing byte that the pattern does not hold rules out every
// start up to it. Each compare then moves either the furthest byte compared or the next possible
// start forward, and neither passes the text's end: a search compares at most 2 x text bytes plus
// one a candidate, and reads the pattern once more for its borders.
#include <cstddef>
#include <cstdint>

struct Verifier {
    const char *Pattern;
    size_t Length;
    const char *Text;       // where the searched text starts
    const char *Next;       // no match starts before this
    size_t Known;           // bytes from Next known to match the pattern's first bytes
    size_t Compared;        // bytes compared so far
    std::uint32_t *Borders; // [j]: the longest border of the first j bytes; null until needed
    std::uint32_t Holds[8]; // bit b set when the pattern holds byte b, once the borders are known
};

// A verifier for a pattern of `length` bytes (at least one) in text that starts at `text`.
Verifier StartVerifier(const char *text, const char *pattern, size_t length);

// True when the whole pattern stands at `at`, inside the text that ends before `end`. Candidates
// come in increasing order; those skipped between them need not have been asked about.
bool Confirms(Verifier &verifier, const char *at, const char *end);

// After Confirms found the pattern at `at`: the caller refuses that match (it starts at no
// character's start), and the search goes on.
void RuleOutMatch(Verifier &verifier, const char *at);

void EndVerifier(Verifier &verifier);
