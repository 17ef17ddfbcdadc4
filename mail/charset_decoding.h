#pragma once
// A text part's bytes read as the mail client on Windows reads them, into UTF-8: by its label as
// browsers and Windows read labels (labels.h), the Japanese encodings with code page 932's
// extensions; a part without a charset by what its bytes are; a label the table lacks not at
// all. An unreadable character is one U+FFFD, and the text after it read in step.
// The converters are glibc's iconv (iconv_text.h): its EUC-JP-MS reads the IBM kanji as eucJP-ms
// writes them (ICU misses 94 of those 388).
#include <string>

struct DecodedText {
    std::string Utf8;
    std::string ReadAs;    // how the bytes were read, for the user: "ISO-2022-JP", "UTF-8 (...)"
    size_t Unreadable = 0; // characters that could not be read, each now one U+FFFD
};

// False, with the reason, when no decoder knows the charset. `label` is the part's charset
// parameter as sent, empty when it has none.
bool DecodeText(const std::string &bytes, const std::string &label, DecodedText &text,
                std::string &error);

// Text without a charset, read by what its bytes are: ISO-2022-JP when it is 7-bit with that
// encoding's escape sequences, as Japanese mailers sent it before MIME; ASCII; UTF-8 when it is
// well-formed UTF-8; else code page 932.
void ReadUnlabelled(const std::string &bytes, DecodedText &text);

