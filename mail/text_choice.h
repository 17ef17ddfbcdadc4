#pragma once
// The part of a message that the mail client shows as its text and hands its plugins: text/plain,
// else the HTML part's source, else the text of a message attached to it (a forwarded issue), as
// deep as forwards go; attachments are passed over.
#include <string>

#include "mail/mime_entity.h"

// What the client does that the reader should know of.
enum class MailNote : unsigned char {
    None,
    AttachedNotOpened, // a message is attached beside the text, and not opened
    HtmlOnly,          // the HTML source is the text, tags and all
    Forwarded,         // the text is the attached message's, shown once it is opened
    FormatFlowed,      // its lines are handed over as sent, not rejoined
};

struct TextChoice {
    MimeEntity Part;
    bool Html;
    int Forwards; // how many attached messages down the part stands
    MailNote Note;
};

enum class ChoiceFound : unsigned char {
    Found,
    NoTextPart, // neither text/plain nor text/html, nor a message attached
    TooDeep,    // parts and forwards nest deeper than MaxNesting before a text part is found
};

ChoiceFound ChooseText(const std::string &mail, const MimeEntity &message, TextChoice &choice);

// Which part was taken, as the preview says it: "text/plain of the attached message".
std::string PartName(const TextChoice &choice);
