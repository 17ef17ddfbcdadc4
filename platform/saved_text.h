#pragma once
// How a text file is saved, and its text whatever it is saved in: what settings files and saved
// message texts share, and what the plugin, the POSIX stand-ins, the diagnosis and the self-check
// read them by. Windows' profile functions know the byte-order marks only; the plugin, like
// Notepad, also knows UTF-8 without one by its form.
#include <cstddef>

#include "platform/windows_api.h"

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

// The text after the mark in UTF-16: read in the code page, UTF-8, or UTF-16 of either order.
// Writes at most `room` units into `wide`; returns the units the whole text takes.
size_t WideOfSavedText(const char *bytes, size_t length, SavedEncoding encoding, WCHAR *wide,
                       size_t room);

// The first character of the UTF-8 text that the ANSI code page has no place for, as a code point;
// U+FFFD for the first sequence that is not UTF-8; -1 when the code page holds all of it.
long FirstCharacterBeyondCodePage(const char *utf8, size_t length);
