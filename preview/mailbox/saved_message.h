#pragma once
// One entry of the mail a reader brings: a message as saved, or what became of a file or a
// message that gives none.
#include <cstddef>
#include <string>

#include "mail/header_block.h"
#include "preview/mailbox/byte_source.h"

struct SavedMessage {
    enum class Kind {
        Message,    // Bytes: the message as saved, or the body
        Unreadable, // mail that cannot be read: Reason says why
        Damaged, // a file whose reading stopped part way: Reason says where, and what came before
        NotMessage, // a file in a folder that is no mail: Reason says what it is
        Deleted,    // a message the reader deleted, not yet purged: Reason says how it shows
        Empty,      // an empty folder
    };
    Kind What = Kind::Message;
    std::string Name; // the file, or "file, message N" within a mailbox
    std::string Bytes;
    std::string Reason;
    bool IsMail = false; // a Message that opens with a mail's header block, not a bare body
    MailHeader Header{}; // its header's end, when it does
};

// An entry that gives no message.
SavedMessage NoMessage(SavedMessage::Kind kind, std::string name, std::string reason);

// A message, its header told once.
SavedMessage MessageOf(std::string name, std::string bytes);

// The one line for a file whose reading stopped: where, and what was read before it. `cut` when
// a message was being read there, which is not shown.
SavedMessage DamageEntry(const std::string &name, const ByteSource &source, size_t messages,
                         bool cut);
