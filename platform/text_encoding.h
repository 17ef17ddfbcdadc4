#pragma once
// How a text file's bytes are encoded, as far as the bytes tell: the byte-order marks that editors
// write, and UTF-8 told by its form. Windows' profile functions know the marks only; the plugin,
// like Notepad, also knows UTF-8 without one.
#include <cstddef>

// The length of the UTF-8 sequence at `at`, with `left` bytes left: its whole length when it is
// well-formed; else the longest beginning that a well-formed sequence could have, at least one
// byte, which a reader takes as one unreadable character.
size_t Utf8SequenceLength(const char *at, size_t left, bool &wellFormed);

// UTF-16's surrogates: the first and the second unit of a character beyond U+FFFF.
constexpr bool IsHighSurrogate(unsigned long unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool IsLowSurrogate(unsigned long unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Writes the code point in UTF-8 (below U+110000, surrogates excepted) into `out`; its length.
size_t EncodeUtf8(char32_t codePoint, char (&out)[4]);

// True when the bytes are well-formed UTF-8 (no overlong form, no surrogate, nothing past
// U+10FFFF) and hold at least one character beyond ASCII.
bool IsUtf8BeyondAscii(const char *bytes, size_t length);

enum class SavedEncoding : unsigned char {
    Ansi, // the code page (or a file that is missing or too large to be read as Unicode)
    Utf8,
    Utf8WithMark,
    Utf16LittleEndian,
    Utf16BigEndian,
};

// How the bytes are saved: by the byte-order mark they open with; without one as UTF-8 when
// `utf8WithoutMark` and all of them are well-formed UTF-8 with something beyond ASCII, else in the
// code page.
SavedEncoding SavedEncodingOf(const char *bytes, size_t length, bool utf8WithoutMark);

// How many bytes the encoding's mark takes at the start of the text.
size_t SavedMarkLength(SavedEncoding encoding);

// How many bytes an unreadable sequence takes, so that its trailing bytes are never read as
// characters of their own: one replacement for each character, and the rest read in step.
enum class SequenceUnit {
    Byte,
    Utf8,       // the longest beginning of a sequence, as Utf8SequenceLength takes it
    Cp932,      // a lead byte and the byte that can follow it
    DoubleByte, // GBK, Big5, Windows' code page 949: a lead byte of 0x81 to 0xFE and its trail
    Gb18030,    // as DoubleByte, or four bytes: lead, digit, lead, digit
    Utf16,      // a code unit
    Shifting,   // an encoding with shift states (UTF-7, ISO-2022-KR): read whole, never cut
};

// How many bytes the character at `at` takes, with `left` bytes left, by the encoding's unit: the
// whole of a well-formed one, and as many as an unreadable one takes.
size_t CharacterLength(const char *at, size_t left, SequenceUnit unit);
