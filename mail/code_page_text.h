#pragma once
// Text of a Windows code page read into UTF-16 by the system's own conversion (the real
// MultiByteToWideChar on Windows, its stand-in on Linux), so that a mail reads as the mail client
// reads it; a character the code page cannot read counted and marked, not guessed at.
#include <cstddef>
#include <string>

#include "platform/text_encoding.h"
#include "platform/windows_api.h"

using WideText = std::basic_string<WCHAR>;

// The character every unreadable one becomes.
constexpr WCHAR ReplacementCharacter = 0xFFFD;

// True when the system reads the code page.
bool ReadsCodePage(UINT codePage);

// Appends the text read in the code page: a character it cannot read is one U+FFFD, and the text
// after it is read in step. Text of an encoding with shift states is read whole, by the system's
// rules. Returns how many characters were unreadable.
size_t AppendCodePageText(UINT codePage, SequenceUnit unit, const std::string &bytes,
                          WideText &wide);

// Appends the code point in UTF-16.
void AppendCodePoint(char32_t codePoint, WideText &wide);
