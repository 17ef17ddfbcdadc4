#pragma once
// Saved messages (RFC 5322, such as .eml files) turned into the body a mail client hands to its
// plugins: the first text/plain part, its transfer encoding undone, in the ANSI code page, with
// CR LF line ends.
#include <string>

struct MailBody {
    std::string Text;       // in the code page
    std::string Subject;    // UTF-8, empty when the message has none
    std::string Part;       // which part was taken, such as "text/plain"
    std::string Charset;    // how its bytes were read, such as "ISO-2022-JP"
    std::string Encoding;   // the part's transfer encoding
    std::string Note;       // what the client does differently, or empty
    size_t Unrepresentable; // characters unreadable or beyond the code page, written as '?'
};

// True when the line (without its line break) opens a header field: printable ASCII up to a colon.
bool IsFieldLine(const std::string &line);

// True when the file is a saved message rather than a body: its name ends in .eml, or it starts
// with header fields, one of them MIME-Version, Content-Type or From.
bool LooksLikeMessage(const std::string &fileName, const std::string &bytes);

// The body in `ansiCharset`, iconv's name for the code page. False, with the reason, when the
// message has no text part or a charset that cannot be converted.
bool ReadMailBody(const std::string &bytes, const std::string &ansiCharset, MailBody &body,
                  std::string &error);
