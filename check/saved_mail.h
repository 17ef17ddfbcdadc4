#pragma once
// A saved mail (.eml) dropped on the self-check, read as the mail client shows it: its text
// part's transfer encoding undone and its charset read (diagnosis/mail/), into the ANSI code
// page with CR LF line ends, as the client hands the plugin a body.
#include <cstddef>
#include <string>

#include "diagnosis/mail/text_part.h"

enum class MailText : unsigned char {
    Read,
    NoTextPart,    // no text/plain part: Type says what the mail is
    UnreadCharset, // a charset this check does not read: Sent names it
};

struct SavedMail {
    MailText Result;
    size_t BodyLine;   // where the message's body starts in the file, from 1
    std::string Body;  // the text the client hands the plugin, in the ANSI code page
    std::string Sent;  // how its text was sent, for the reader: "ISO-2022-JP", "UTF-8, base64"
    std::string Type;  // the message's own type: "multipart/alternative"
    bool LinesAsSaved; // the body's lines are the file's lines, from BodyLine on
    size_t Unheld;     // characters that the code page lacks, each now "?"
};

// True when the file's bytes open with a mail's header, with the mail read into `mail`.
bool ReadSavedMail(const std::string &bytes, SavedMail &mail);
