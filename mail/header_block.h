#pragma once
// A text that opens with a mail's header block, as a saved mail (.eml) does and as a text copied
// with its headers does: what the preview reads as a message and the self-check as a saved mail,
// by one rule.
#include <cstddef>
#include <string>

struct MailHeader {
    size_t BodyStart; // the body's first byte, after the empty line that ends the header
    size_t BodyLine;  // and its line, from 1
};

// True when the line (without its line break) opens a header field: printable ASCII up to a colon.
bool IsFieldLine(const std::string &line);

// True when the text opens with header fields (and their continuation lines) up to an empty line,
// one of them at least a field that every saved mail carries one of: From, To, Cc, Subject,
// Date, Message-ID, MIME-Version, Content-Type, Received or Return-Path. The body's bytes, NULs
// among them, do not count.
bool FindMailHeader(const std::string &text, MailHeader &header);
