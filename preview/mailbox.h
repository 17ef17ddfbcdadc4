#pragma once
// What a reader saves mail as, taken apart into messages: one message or body a file, an mbox
// file (a message a "From " line), a Maildir folder (cur/ and new/) or a plain folder of files.
// Each is recognised by what it holds, not by its name.
#include <string>
#include <vector>

struct SavedMessage {
    std::string Name;  // the file, or "file, message N" within an mbox
    std::string Bytes; // the message as saved, or the body
    std::string Error; // why it cannot be read; then Bytes is empty
};

// Appends the messages found at `path`: an mbox's in file order, a Maildir's in delivery order,
// a folder's in name order. What cannot be read is appended with its Error.
void FindSavedMessages(const std::string &path, std::vector<SavedMessage> &messages);

// True when the bytes are an mbox file: they start with a "From " line, then header fields.
bool IsMbox(const std::string &bytes);

// The messages of an mbox file, their "From " lines taken off and the ">From " quoting of the
// mboxrd convention undone; a message's Content-Length is honoured where it ends at the next
// "From " line (mboxcl, mboxcl2).
std::vector<std::string> SplitMbox(const std::string &bytes);
