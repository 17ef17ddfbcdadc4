#pragma once
// A header block read as mail clients read it: the fields that a saved mail (.eml), a text copied
// with its headers, and each MIME part open with, up to the empty line that ends them. Clients
// read on to that line past what they cannot take for a field: a name with blanks or marks in
// it, a line with no colon, blank lines before the first field. A block must still open with a
// field, and one with a line that is no field must hold two, so that a plain text is not taken
// for one.
#include <cstddef>
#include <string>
#include <vector>

struct HeaderField {
    std::string Name;  // as written, the blanks before its colon taken off
    std::string Value; // after the colon, with its continuation lines, their line breaks taken out
};

struct HeaderBlock {
    std::vector<HeaderField> Fields;
    size_t BodyStart = 0; // the body's first byte, after the empty line that ends the block
    size_t BodyLine = 1;  // and its line, from 1 at the block's first
};

// True when the line (without its line break) opens a field: a name of printable ASCII, blanks and
// tabs among it, up to a colon, as clients take one.
bool IsFieldLine(const std::string &line);

// The block that text[begin, end) opens with; false when no field comes before an odd line, or
// no empty line ends it. An empty first line is a block of no fields.
bool ReadHeaderBlock(const std::string &text, size_t begin, size_t end, HeaderBlock &block);

// The value of the block's first field of that name (in either case), or null.
const std::string *FieldValue(const HeaderBlock &block, const char *name);

struct MailHeader {
    size_t BodyStart; // the body's first byte, after the empty line that ends the header
    size_t BodyLine;  // and its line, from 1
};

// True when the text opens with a header block that holds a field every saved mail carries one
// of: From, To, Cc, Subject, Date, Message-ID, MIME-Version, Content-Type, Received or
// Return-Path. The body's bytes, NULs among them, do not count.
bool FindMailHeader(const std::string &text, MailHeader &header);
