#pragma once
// What the plugin would be handed for what the reader gave the self-check (a file, or the
// clipboard's text), with the lines that tell how it was read and how its lines are counted:
// from the top of what the reader saved or copied, whatever header lines stand above the body.
#include <cstddef>
#include <string>

#include "check/checked_text.h"
#include "check/messages.h"

struct CheckedBody {
    bool Readable;       // false: Account says why there is no body to check
    std::string Body;    // in the ANSI code page
    size_t Offset;       // the lines above the body, in the reader's numbering
    std::string Account; // UTF-8, a line each
};

// A file's bytes, named `name` (UTF-8): a saved mail, read as the mail client shows it, or a text
// as an editor saves it.
CheckedBody BodyOfFile(const Messages &say, const std::string &name, const std::string &bytes);

// The clipboard's text.
CheckedBody BodyOfClipboard(const Messages &say, const CheckedText &text);
