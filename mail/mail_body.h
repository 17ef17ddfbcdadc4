#pragma once
// A saved message (RFC 5322, such as an .eml file) read into the body that the mail client hands
// its plugins: the part it shows as the text (text_choice.h), its transfer encoding undone, its
// charset read (charset_decoding.h), in the ANSI code page with CR LF line ends; or the piece of
// a message sent in pieces that it is. The one reading of mail for the preview and the self-check.
#include <cstddef>
#include <string>

#include "mail/labels.h"
#include "mail/text_choice.h"
#include "platform/windows_api.h"

// A piece of a message sent in pieces (message/partial, RFC 2046).
struct MessagePiece {
    std::string Id;
    unsigned Number = 0;
    unsigned Total = 0;
    std::string Text; // the piece's body: pieces 1 to Total, joined, make the whole message
};

enum class MailRead : unsigned char {
    Body,
    Piece,         // the message is a piece, in Piece, and has no body of its own
    NoTextPart,    // neither text/plain nor text/html, nor an attached message: Type says what
    TooDeep,       // parts and forwards nest deeper than MaxNesting
    UnreadCharset, // a charset no decoder knows (Is is null) or the system cannot convert
};

struct MailBody {
    MailRead Result = MailRead::Body;
    std::string Text;             // in the code page, CR LF line ends
    std::string Subject;          // UTF-8, empty when the message has none
    std::string Type;             // the message's own type, in lower case: "multipart/alternative"
    std::string Part;             // which part was taken, as the preview says it: "text/plain"
    std::string Label;            // the part's charset parameter as sent; empty when it has none
    std::string ReadAs;           // how its bytes were read, as the preview says it: "ISO-2022-JP"
    const Encoding *Is = nullptr; // the encoding they were read in
    bool Variant = false;         // the label names a Japanese mail program's variant
    std::string TransferEncoding; // "7bit", "base64", "quoted-printable" ...
    MailNote Note = MailNote::None;
    size_t Unheld = 0;   // characters unreadable or beyond the code page, written as "?"
    size_t BodyLine = 1; // where the message's body starts in the file, from 1
    // True when the text's lines are the file's lines from BodyLine on: the message's own body,
    // not encoded. A reader counts lines in the file then; else in the text as shown.
    bool LinesAsSaved = false;
    MessagePiece Piece;
};

// The message read for the code page; false when the bytes do not open with a mail's header
// (mail/header_block.h), which makes them a plain text.
bool ReadMailBody(const std::string &bytes, UINT ansiCodePage, MailBody &body);
