#pragma once
// How far the reading of a saved mail goes, each limit once.
#include <cstddef>

// MIME parts and forwarded messages, together, nested deeper than this are not read.
constexpr int MaxNesting = 64;

// The bytes of a code page's text handed to the system's conversion at once: a piece it cannot
// read whole is read again character by character, so that only its unreadable characters are
// lost.
constexpr size_t ConversionPiece = 4096;
