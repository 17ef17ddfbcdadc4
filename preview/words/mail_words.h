#pragma once
// How the preview tells what became of a saved message as mail/ read it: how its body was read,
// what the client does differently, and why a message shows nothing.
#include <string>
#include <vector>

#include "mail/saved_file.h"

// How the mail's body was read, for the message's heading: "text/plain in ISO-2022-JP, 7bit".
std::string OriginOf(const MailBody &mail, unsigned codePage);

// How a body saved as text alone was read; empty for one in the code page.
std::string OriginOf(const PlainText &text);

// What the client does with the mail, or the text, that the reader should know, a line each.
std::vector<std::string> NotesOf(const MailBody &mail);
std::vector<std::string> NotesOf(const PlainText &text);

// Why a mail that is no piece has no body to show; empty when it has one.
std::string WhyUnread(const MailBody &mail);
