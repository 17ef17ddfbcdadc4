#pragma once
// An mbox file read a message at a time, so that no more than one message is held however large
// the mailbox: mboxo, mboxrd and Content-Length mailboxes alike, and Netscape's and Mozilla's.
#include <memory>
#include <string>

#include "preview/mailbox/byte_source.h"
#include "preview/mailbox/saved_message.h"

// True when the bytes are an mbox file: they start with a "From " line, then header fields.
bool IsMbox(const std::string &bytes);

class MboxReader {
  public:
    // Reads the mbox from the source; `name` names its messages ("name, message N").
    MboxReader(std::string name, std::unique_ptr<ByteSource> source);

    // The next message, the next deleted one passed over, or at last what stopped the reading;
    // false at the end.
    bool Next(SavedMessage &message);

    // The next message's text, its "From " line taken off and the ">From " quoting of the mboxrd
    // convention undone; false at the end. A message ends at the next "From " line, or where its
    // Content-Length says when that leads to one (mboxcl, mboxcl2); the count is followed only
    // as far as the line it leads to, so that a message is held, never more.
    bool ReadText(std::string &text);

  private:
    SavedMessage MessageEntry(std::string text);

    std::string Name;
    std::unique_ptr<ByteSource> Source;
    LineReader Lines;
    std::string FromLineRead; // the "From " line that starts the next message
    size_t Count = 0;
    bool Finished = false; // the end was reached, or the reading failed and was told
};
