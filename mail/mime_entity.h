#pragma once
// A message's MIME entities, read from its bytes alone: each with its header's fields and where
// its body lies, the parts of a multipart, and the message a message/rfc822 part holds. Nothing
// of the system's, so that the self-check on Windows reads a saved mail as the preview does.
#include <cstddef>
#include <string>
#include <vector>

#include "mail/header_block.h"

struct MimeEntity {
    HeaderBlock Header; // no fields when the entity opens with none
    size_t BodyBegin;
    size_t BodyEnd;
    std::string Type; // its media type in lower case, as MediaTypeOf takes it
};

// The message, or a message that a part holds, in mail[begin, end). A part of a multipart/digest
// without a Content-Type is a message.
MimeEntity EntityAt(const std::string &mail, size_t begin, size_t end, bool inDigest = false);

// The parts of a multipart entity, in order, between its boundary's delimiters: a last part whose
// closing delimiter never came runs to the entity's end. None without a boundary.
std::vector<MimeEntity> PartsOf(const std::string &mail, const MimeEntity &multipart);

bool IsMultipart(const MimeEntity &entity);

// A part that holds a message: message/rfc822, and message/news and message/global likewise.
bool HoldsMessage(const MimeEntity &entity);

// A part the sender marked as an attachment (Content-Disposition: attachment).
bool IsAttachment(const MimeEntity &entity);

// The value of the entity's field of that name, or empty.
std::string FieldOf(const MimeEntity &entity, const char *name);
