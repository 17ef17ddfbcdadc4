#pragma once
// Saved messages (RFC 5322, such as .eml files) turned into the body a mail client hands to its
// plugins: the first text/plain part, its transfer encoding undone, in the ANSI code page, with
// CR LF line ends.
#include <string>

struct MailBody {
    std::string Text;       // in the code page
    std::string Charset;    // as the message declares it ("us-ascii" when it does not)
    std::string Encoding;   // the part's transfer encoding
    size_t Unrepresentable; // characters the code page cannot hold, written as '?'
};

// True when the file is a saved message rather than a body: its name ends in .eml, or it starts
// with header fields, one of them MIME-Version, Content-Type or From.
bool LooksLikeMessage(const std::string &fileName, const std::string &bytes);

// The body in `ansiCharset`, iconv's name for the code page. False, with the reason, when the
// message has no text/plain part or a charset that cannot be converted.
bool ReadMailBody(const std::string &bytes, const std::string &ansiCharset, MailBody &body,
                  std::string &error);
