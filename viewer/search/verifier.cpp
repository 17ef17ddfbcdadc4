#include "viewer/search/verifier.h"

#include <cstdlib>
#include <cstring>

#include "viewer/scan/bit_mask.h"

namespace {

// How many bytes from the start of `a` and `b` agree, up to `length`: eight at a time.
size_t CommonLength(const char *a, const char *b, size_t length) {
    size_t i = 0;
    for (; i + 8 <= length; i += 8) {
        std::uint64_t left = 0;
        std::uint64_t right = 0;
        std::memcpy(&left, a + i, 8);
        std::memcpy(&right, b + i, 8);
        if (left != right) {
            // x86 is little-endian: the first byte that differs holds the lowest differing bit.
            return i + static_cast<size_t>(LowestBit(left ^ right)) / 8;
        }
    }
    while (i < length && a[i] == b[i]) {
        ++i;
    }
    return i;
}

// Learns the borders and the bytes held. Without memory for them the verifier goes on checking
// candidates afresh: slower on hostile text, never wrong.
void Learn(Verifier &verifier) {
    const size_t length = verifier.Length;
    auto *borders = static_cast<std::uint32_t *>(std::malloc((length + 1) * sizeof(std::uint32_t)));
    if (borders == nullptr) {
        return;
    }
    borders[0] = 0;
    borders[1] = 0;
    size_t border = 0;
    for (size_t j = 1; j < length; ++j) {
        while (border > 0 && verifier.Pattern[j] != verifier.Pattern[border]) {
            border = borders[border];
        }
        if (verifier.Pattern[j] == verifier.Pattern[border]) {
            ++border;
        }
        borders[j + 1] = static_cast<std::uint32_t>(border);
    }
    for (size_t j = 0; j < length; ++j) {
        const auto byte = static_cast<unsigned char>(verifier.Pattern[j]);
        verifier.Holds[byte / 32] |= std::uint32_t{1} << (byte % 32);
    }
    verifier.Borders = borders;
}

// Learns once the bytes compared outrun the text passed: false candidates are piling up.
void LearnOnceCostly(Verifier &verifier, const char *at) {
    if (verifier.Borders == nullptr &&
        verifier.Compared > static_cast<size_t>(at - verifier.Text) + 64) {
        Learn(verifier);
    }
}

bool Holds(const Verifier &verifier, char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return ((verifier.Holds[value / 32] >> (value % 32)) & 1) != 0;
}

// Moves the next possible start up to `at` along the borders of what is known; false when it
// passes `at`, so that no match starts there.
bool ShiftTo(Verifier &verifier, const char *at) {
    while (verifier.Known > 0 && verifier.Next < at) {
        const size_t border = verifier.Borders[verifier.Known];
        verifier.Next += verifier.Known - border;
        verifier.Known = border;
    }
    if (verifier.Next > at) {
        return false;
    }
    verifier.Next = at;
    return true;
}

// After `at` failed with `matched` bytes (the whole pattern when refused): the next start that
// can match, and what is known there.
void RuleOut(Verifier &verifier, const char *at, size_t matched) {
    if (verifier.Borders == nullptr) {
        verifier.Next = at + 1;
        verifier.Known = 0;
    } else if (matched < verifier.Length && !Holds(verifier, at[matched])) {
        verifier.Next = at + matched + 1;
        verifier.Known = 0;
    } else {
        const size_t border = verifier.Borders[matched];
        verifier.Next = at + (matched > border ? matched - border : 1);
        verifier.Known = border;
    }
}

} // namespace

Verifier StartVerifier(const char *text, const char *pattern, size_t length) {
    return {pattern, length, text, text, 0, 0, nullptr, {}};
}

bool Confirms(Verifier &verifier, const char *at, const char *end) {
    if (!ShiftTo(verifier, at)) {
        return false;
    }
    const auto room = static_cast<size_t>(end - at);
    if (room < verifier.Length) {
        // Nor does any later start leave room for the pattern.
        verifier.Next = end;
        verifier.Known = 0;
        return false;
    }
    const size_t known = verifier.Known;
    const size_t matched =
        known + CommonLength(at + known, verifier.Pattern + known, verifier.Length - known);
    verifier.Compared += matched - known + 1;
    if (matched == verifier.Length) {
        return true;
    }
    LearnOnceCostly(verifier, at);
    RuleOut(verifier, at, matched);
    return false;
}

void RuleOutMatch(Verifier &verifier, const char *at) {
    LearnOnceCostly(verifier, at);
    RuleOut(verifier, at, verifier.Length);
}

void EndVerifier(Verifier &verifier) {
    std::free(verifier.Borders);
    verifier.Borders = nullptr;
}
