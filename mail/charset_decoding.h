#pragma once
// A text part's bytes read as the mail client on Windows reads them, into UTF-16: by its label as
// browsers and Windows read labels (labels.h), the Japanese encodings with code page 932's
// extensions; a part without a charset by what its bytes are; a label the table lacks not at
// all. An unreadable character is one U+FFFD, and the text after it read in step.
#include <cstddef>
#include <string>

#include "mail/code_page_text.h"
#include "mail/labels.h"

struct DecodedText {
    WideText Wide;
    std::string ReadAs; // how the bytes were read, for the user: "ISO-2022-JP", "UTF-8 (...)"
    const Encoding *Is = nullptr; // the encoding they were read in
    bool Variant = false;         // the label names a Japanese mail program's variant
    size_t Unreadable = 0;        // characters that could not be read, each now one U+FFFD
};

// False when no decoder knows the charset, or the system has no conversion for its code page:
// `text.Is` then names the encoding, if the label names one. `label` is the part's charset
// parameter as sent, empty when it has none.
bool DecodeText(const std::string &bytes, const std::string &label, DecodedText &text);

// Text without a charset, read by what its bytes are: ISO-2022-JP when it is 7-bit with that
// encoding's escape sequences, as Japanese mailers sent it before MIME; ASCII; UTF-8 when it is
// well-formed UTF-8; else code page 932.
void ReadUnlabelled(const std::string &bytes, DecodedText &text);

// The label as written, every byte that is not printable ASCII spelt out, as C writes it.
std::string EscapedLabel(const std::string &label);
