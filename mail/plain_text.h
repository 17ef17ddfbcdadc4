#pragma once
// A text saved without a mail's header (a message's text saved from the client, an issue copied
// into an editor), as the mail client would hand it over. One rule, as Notepad, the self-check
// and the plugin's settings reader read a text file (platform/text_encoding.h): a byte-order mark
// says UTF-8 or UTF-16; without one, UTF-8 when all of it is well-formed UTF-8 beyond ASCII;
// else the code page's own text, handed over as it stands. A text saved with the mail's header
// lines above it (as a client saves a message "as text") is handed over from its body on.
#include <cstddef>
#include <string>

#include "mail/header_block.h"
#include "platform/text_encoding.h"
#include "platform/windows_api.h"

struct PlainText {
    std::string Text; // in the ANSI code page, header lines and all
    SavedEncoding Saved;
    size_t Unheld;        // characters that the code page lacks, each now "?"
    bool OpensWithHeader; // the text opens with a mail's header lines, which Header ends
    MailHeader Header;
    std::string Body() const { return OpensWithHeader ? Text.substr(Header.BodyStart) : Text; }
};

PlainText ReadPlainText(const std::string &bytes, UINT ansiCodePage);
