#pragma once
// Our own readers of the Unicode encodings and of x-user-defined, into UTF-16: each unreadable
// sequence one U+FFFD, the text after it read in step. Each returns how many there were.
#include <cstddef>
#include <string>

#include "mail/code_page_text.h"

// UTF-8: a sequence that is not well-formed (overlong, a surrogate, past U+10FFFF, cut short) is
// unreadable as far as Utf8SequenceLength takes it.
size_t AppendUtf8Text(const std::string &bytes, WideText &wide);

// UTF-16 of either order: a surrogate without its pair, or a last byte alone, is unreadable.
size_t AppendUtf16Text(const std::string &bytes, bool bigEndian, WideText &wide);

// x-user-defined: ASCII, and each byte above it a character of its own in the private use area.
void AppendUserDefinedText(const std::string &bytes, WideText &wide);

// UTF-16 text in UTF-8, a surrogate without its pair as U+FFFD.
std::string Utf8FromWide(const WideText &wide);
