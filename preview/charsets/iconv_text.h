#pragma once
// Text through glibc's iconv, below the decoders: code page 932 read as Windows reads it, which
// the Japanese decoders hand their text to, and UTF-8 written in the code page of the Windows
// previewed. Its CP932 agrees with Windows on all 11,280 double-byte codes (ICU, which also
// agrees, would add 36 MB to the tool's dependencies).
#include <string>

// Reads code page 932 into UTF-8; returns how many characters were unreadable, each one U+FFFD.
size_t Cp932ToUtf8(const std::string &bytes, std::string &utf8);

// Converts UTF-8 into iconv's `charset`; a character it cannot hold becomes "?" and counts.
bool Utf8ToCharset(const std::string &utf8, const std::string &charset, std::string &out,
                   size_t &replaced);
