#include "viewer/find_text.h"

#include <cstring>

#include "viewer/lead_bytes.h"

namespace {

// True when `at` starts a character, given that `known` (at or before it) does. A byte that
// cannot lead is a character or ends one, so a character starts right after it; from there on
// every byte pairs with the next, and the parity of their count decides.
bool StartsCharacter(const char *known, const char *at) {
    const char *run = at;
    while (run > known && IsLeadByte(run[-1])) {
        --run;
    }
    return (at - run) % 2 == 0;
}

} // namespace

const char *FindText(const char *text, const char *pattern) {
    if (!IsDoubleByteCodePage()) {
        return std::strstr(text, pattern);
    }
    // The terminator is never where a match starts, not even an empty one.
    if (*text == '\0') {
        return nullptr;
    }
    // Every byte match in order, until one starts a character. Each check looks back no further
    // than the last one, so the text is walked once however many matches fall inside characters.
    const char *known = text;
    for (const char *match = std::strstr(text, pattern); match != nullptr;
         match = std::strstr(match + 1, pattern)) {
        if (StartsCharacter(known, match)) {
            return match;
        }
        // `match` is the second byte of a character, so the next one starts after it.
        known = match + 1;
    }
    return nullptr;
}
