#pragma once
// Saved messages (RFC 5322, such as .eml files) turned into the body a mail client hands to its
// plugins: the first text/plain part, its transfer encoding undone, in the ANSI code page, with
// CR LF line ends.
#include <string>
#include <vector>

// MIME parts and forwarded messages nested deeper than this are not read.
constexpr int MaxNesting = 64;

// A piece of a message sent in pieces (message/partial, RFC 2046).
struct MessagePiece {
    std::string Id;
    unsigned Number = 0;
    unsigned Total = 0;
    std::string Text; // the piece's body: pieces 1 to Total, joined, make the whole message
};

// What a saved message holds for the client to show: the body, or a piece of a message sent in
// pieces.
struct MailBody {
    std::string Text;       // in the code page
    std::string Subject;    // UTF-8, empty when the message has none
    std::string Part;       // which part was taken, such as "text/plain"
    std::string Charset;    // how its bytes were read, such as "ISO-2022-JP"
    std::string Encoding;   // the part's transfer encoding
    std::string Note;       // what the client does differently, or empty
    size_t Unrepresentable; // characters unreadable or beyond the code page, written as '?'
    bool IsPiece;           // the message is a piece, in Piece, and has no body of its own
    MessagePiece Piece;
};

// The message, parsed once: its body in `ansiCharset` (iconv's name for the code page), or the
// piece it is. The message's bytes are taken, so that a large message is not held twice. False,
// with the reason, when the message has no text part, nests too deep, or has a charset that
// cannot be converted.
bool ReadMailBody(std::string bytes, const std::string &ansiCharset, MailBody &body,
                  std::string &error);
