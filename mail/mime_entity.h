#pragma once
// The text of a saved mail that a mail client shows and hands its plugins: the message's own body
// when it is text/plain (or has no Content-Type), else the first text/plain part among its MIME
// parts, its transfer encoding undone. Read from the bytes alone, with nothing of the system's,
// so that the self-check on Windows reads a dropped .eml as the client shows it.
#include <cstddef>
#include <string>

// MIME parts nested deeper than this are not read.
constexpr int DeepestPart = 16;

enum class TextPartFound : unsigned char {
    Found,
    NoTextPart, // the message's type is not text/plain, and none of its parts is
    TooDeep,    // its parts nest deeper than DeepestPart before a text part is found
};

struct TextPart {
    std::string Bytes;            // the part's text, its transfer encoding undone
    std::string Charset;          // its charset parameter as sent; empty when it has none
    std::string TransferEncoding; // as sent, in lower case: "base64", "quoted-printable", or empty
    std::string Type;             // the message's own type, in lower case: "multipart/mixed"
    // True when the text's lines are the saved file's lines from BodyLine on: the message's own
    // body, not encoded. A reader counts lines in the file then; else in the text as shown.
    bool LinesAsSaved;
};

// Finds the text part of the mail, whose header ends where its body starts at `bodyStart`.
TextPartFound FindTextPart(const std::string &mail, size_t bodyStart, TextPart &part);
