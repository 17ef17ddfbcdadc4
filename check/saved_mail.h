#pragma once
// A message text saved with its headers (an .eml, or "save as text" with the headers): the
// plugin sees only its body, which starts after the first empty line.
#include <cstddef>
#include <string>

struct SavedMail {
    size_t BodyStart; // the body's first byte
    size_t BodyLine;  // and its line, from 1
    // How the body is encoded, when it is not text the check can read as it stands:
    // "base64", "quoted-printable", "ISO-2022-JP", "MIME parts"; empty otherwise.
    std::string Encoding;
};

// True when the text opens with a mail's header block (diagnosis/mail_header.h).
bool FindSavedMail(const std::string &text, SavedMail &mail);
