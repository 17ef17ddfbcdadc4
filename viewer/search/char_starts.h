#pragma once
// Which bytes of double-byte text are the second byte of a character. A byte is one exactly when
// the run of lead bytes just before it, counted back to the nearest byte that cannot lead, is odd;
// so no walk from the start of the text is needed. Positions are judged in increasing order, and
// each judgement looks back no further than the previous one: a whole search stays linear.
#include <cstdint>

#include "viewer/scan/trailing_bytes.h"

struct CharCursor {
    const char *Judged; // the last position judged
    bool JudgedTrails;  // whether the byte there is a character's second byte
};

// A cursor for text that starts at `text` (where a character starts).
inline CharCursor CursorAt(const char *text) { return {text, false}; }

// Moves the cursor to `at`, not before it, judging the byte there.
void JudgeAt(CharCursor &cursor, const char *at);

// True when the byte at `at`, not before the cursor, is a character's second byte.
inline bool IsTrailingByte(CharCursor &cursor, const char *at) {
    if (at != cursor.Judged) {
        JudgeAt(cursor, at);
    }
    return cursor.JudgedTrails;
}

// Bit i set when `block[i]` is a character's second byte, for the 64 bytes from `block`, which is
// not before the cursor. Leaves the cursor on `block + 64`.
std::uint64_t TrailingBytes(CharCursor &cursor, const char *block);
