#pragma once
// Which bytes of double-byte text are the second byte of a character. A byte is one exactly when
// the run of lead bytes just before it, counted back to the nearest byte that cannot lead, is odd;
// so no walk from the start of the text is needed. Positions are judged in increasing order, and
// each judgement looks back no further than the previous one: a whole search stays linear.
#include <cstdint>

struct CharCursor {
    const char *Judged; // the last position judged
    bool JudgedTrails;  // whether the byte there is a character's second byte
};

// A cursor for text that starts at `text` (where a character starts).
inline CharCursor CursorAt(const char *text) { return {text, false}; }

// True when the byte at `at`, not before the cursor, is a character's second byte.
bool IsTrailingByte(CharCursor &cursor, const char *at);

// Bit i set when `block[i]` is a character's second byte, for the 64 bytes from `block`, which is
// not before the cursor. Leaves the cursor on `block + 64`.
std::uint64_t TrailingBytes(CharCursor &cursor, const char *block);

// The second bytes among 64, given the lead bytes among them (bit i for byte i) and whether the
// first of them is a second byte; `trailsAfter` tells whether the byte after them is one.
std::uint64_t TrailingBytesOf(std::uint64_t leads, bool firstTrails, bool &trailsAfter);
