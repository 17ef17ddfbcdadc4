#pragma once
// A text saved without a mail's header (a message's text saved from the client, an issue copied
// into an editor), as the mail client would hand it over. One rule, as Notepad, the self-check
// and the plugin's settings reader read a text file (platform/text_encoding.h): a byte-order mark
// says UTF-8 or UTF-16; without one, UTF-8 when all of it is well-formed UTF-8 beyond ASCII;
// else the code page's own text, handed over as it stands.
#include <cstddef>
#include <string>

#include "platform/text_encoding.h"
#include "platform/windows_api.h"

struct PlainText {
    std::string Text; // in the ANSI code page
    SavedEncoding Saved;
    size_t Unheld; // characters that the code page lacks, each now "?"
};

PlainText ReadPlainText(const std::string &bytes, UINT ansiCodePage);
