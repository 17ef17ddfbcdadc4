#pragma once
// How a settings file's bytes are encoded, as far as the bytes tell: the byte-order marks that
// editors write, and UTF-8 told by its form.
#include <cstddef>

enum class ByteOrderMark { None, Utf8, Utf16LittleEndian, Utf16BigEndian };

// The mark that the bytes open with, if any.
ByteOrderMark ByteOrderMarkOf(const char *bytes, size_t length);

// How many bytes the mark takes.
size_t MarkLength(ByteOrderMark mark);

// The length of the UTF-8 sequence at `at`, with `left` bytes left: its whole length when it is
// well-formed; else the longest beginning that a well-formed sequence could have, at least one
// byte, which a reader takes as one unreadable character.
size_t Utf8SequenceLength(const char *at, size_t left, bool &wellFormed);

// Writes the code point in UTF-8 (below U+110000, surrogates excepted) into `out`; its length.
size_t EncodeUtf8(char32_t codePoint, char (&out)[4]);

// True when the bytes are well-formed UTF-8 (no overlong form, no surrogate, nothing past
// U+10FFFF) and hold at least one character beyond ASCII.
bool IsUtf8BeyondAscii(const char *bytes, size_t length);
