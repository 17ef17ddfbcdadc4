#include "viewer/search/find_text.h"

#include <cstring>

#include "platform/lead_bytes.h"
#include "viewer/scan/bit_mask.h"
#include "viewer/scan/scan_kernels.h"
#include "viewer/search/char_starts.h"
#include "viewer/search/verifier.h"

namespace {

// The first match that starts from `from` up to before `to` (every such start has the whole
// pattern inside the text), at a character's first byte when `doubleByte`. The pattern's first
// and last byte sift 64 starts at a time; the verifier confirms what passes, in linear time.
const char *SeekIn(Verifier &verifier, const char *from, const char *to, bool doubleByte) {
    const char *pattern = verifier.Pattern;
    const size_t lastOffset = verifier.Length - 1;
    const FirstAndLast ends{pattern[0], pattern[lastOffset], lastOffset};
    const char *end = to + lastOffset;
    CharCursor cursor = CursorAt(from);
    const char *block = from;
    for (;;) {
        std::uint64_t starts = 0;
        block = Kernels->SiftFirstAndLast(ends, block, to, starts);
        if (starts == 0) {
            break;
        }
        if (doubleByte) {
            starts &= ~TrailingBytes(cursor, block);
        }
        for (; starts != 0; starts &= starts - 1) {
            const char *at = block + LowestBit(starts);
            if (Confirms(verifier, at, end)) {
                return at;
            }
        }
        block += BlockSize;
    }
    for (const char *at = block; at < to; ++at) {
        if (*at == ends.First && at[lastOffset] == ends.Last &&
            !(doubleByte && IsTrailingByte(cursor, at)) && Confirms(verifier, at, end)) {
            return at;
        }
    }
    return nullptr;
}

const char *FindOne(const char *text, size_t length, const char *pattern, bool doubleByte) {
    const size_t patternLength = std::strlen(pattern);
    if (patternLength == 0) {
        return doubleByte && length == 0 ? nullptr : text;
    }
    if (patternLength > length) {
        return nullptr;
    }
    Verifier verifier = StartVerifier(text, pattern, patternLength);
    const char *found = SeekIn(verifier, text, text + (length - patternLength + 1), doubleByte);
    EndVerifier(verifier);
    return found;
}

} // namespace

const char *FindPlainText(const char *text, size_t length, const char *pattern) {
    return FindOne(text, length, pattern, false);
}

const char *FindText(const char *text, size_t length, const char *pattern) {
    return FindOne(text, length, pattern, IsDoubleByteCodePage());
}
