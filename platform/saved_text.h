#pragma once
// A text file's text whatever it is saved in (text_encoding.h tells how): what settings files and
// saved message texts share, and what the plugin, the POSIX stand-ins, the diagnosis and the
// self-check read them by.
#include <cstddef>

#include "platform/text_encoding.h"
#include "platform/windows_api.h"

// The text after the mark in UTF-16: read in the code page, UTF-8, or UTF-16 of either order.
// Writes at most `room` units into `wide`; returns the units the whole text takes.
size_t WideOfSavedText(const char *bytes, size_t length, SavedEncoding encoding, WCHAR *wide,
                       size_t room);

// The first character of the UTF-8 text that the ANSI code page has no place for, as a code point;
// U+FFFD for the first sequence that is not UTF-8; -1 when the code page holds all of it.
long FirstCharacterBeyondCodePage(const char *utf8, size_t length);
