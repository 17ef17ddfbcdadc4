#pragma once
// A text part's bytes read as the mail client on Windows reads them, into UTF-8: every label of
// the Shift_JIS family as code page 932, ISO-2022-JP and its variants through code page 932, a
// part without a charset by what its bytes are, and anything else through iconv.
#include <string>

struct DecodedText {
    std::string Utf8;
    std::string ReadAs;    // how the bytes were read, for the user: "ISO-2022-JP", "UTF-8 (...)"
    size_t Unreadable = 0; // characters that could not be read, each now one U+FFFD
};

// Starts GMime, once for the process: its charset names and parser need it.
void InitialiseGMime();

// False, with the reason, when no decoder knows the charset. `label` is the part's charset
// parameter as sent, empty when it has none.
bool DecodeText(const std::string &bytes, const std::string &label, DecodedText &text,
                std::string &error);

// Converts UTF-8 into iconv's `charset`; a character it cannot hold becomes "?" and counts.
bool EncodeUtf8(const std::string &utf8, const std::string &charset, std::string &out,
                size_t &replaced);

// Reads code page 932 into UTF-8 as Windows does; returns how many characters were unreadable.
size_t Cp932ToUtf8(const std::string &bytes, std::string &utf8);
