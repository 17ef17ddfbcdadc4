#include "mail/mime_entity.h"

#include "mail/content_type.h"

namespace {

// A line of mail[at, end), without its line break, and the byte after its break.
struct Line {
    std::string Text;
    size_t Next;
};

Line LineAt(const std::string &mail, size_t at, size_t end) {
    const size_t feed = mail.find('\n', at);
    const size_t next = feed == std::string::npos || feed >= end ? end : feed + 1;
    std::string line = mail.substr(at, next - at);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.pop_back();
    }
    return {line, next};
}

// Whether the line is the boundary's delimiter (or its closing one); blanks after it allowed.
bool IsDelimiter(const std::string &line, const std::string &boundary, bool &closing) {
    if (line.compare(0, 2, "--") != 0 || line.compare(2, boundary.size(), boundary) != 0) {
        return false;
    }
    const std::string rest = line.substr(2 + boundary.size());
    closing = rest.compare(0, 2, "--") == 0;
    return Trimmed(rest.substr(closing ? 2 : 0)).empty();
}

// The line break before a delimiter belongs to it, not to the part.
size_t BeforeBreak(const std::string &mail, size_t start, size_t at) {
    if (at > start && mail[at - 1] == '\n') {
        --at;
    }
    if (at > start && mail[at - 1] == '\r') {
        --at;
    }
    return at;
}

} // namespace

std::string FieldOf(const MimeEntity &entity, const char *name) {
    const std::string *value = FieldValue(entity.Header, name);
    return value != nullptr ? *value : std::string();
}

MimeEntity EntityAt(const std::string &mail, size_t begin, size_t end, bool inDigest) {
    MimeEntity entity{{}, begin, end, {}};
    if (ReadHeaderBlock(mail, begin, end, entity.Header)) {
        entity.BodyBegin = entity.Header.BodyStart;
    } else {
        entity.Header = HeaderBlock{};
    }
    const std::string contentType = FieldOf(entity, "Content-Type");
    entity.Type = inDigest && contentType.empty() ? "message/rfc822" : MediaTypeOf(contentType);
    return entity;
}

std::vector<MimeEntity> PartsOf(const std::string &mail, const MimeEntity &multipart) {
    const std::string boundary = ParameterOf(FieldOf(multipart, "Content-Type"), "boundary");
    std::vector<MimeEntity> parts;
    if (boundary.empty()) {
        return parts;
    }
    const bool digest = multipart.Type == "multipart/digest";
    size_t partStart = std::string::npos;
    for (size_t at = multipart.BodyBegin; at < multipart.BodyEnd;) {
        const Line line = LineAt(mail, at, multipart.BodyEnd);
        bool closing = false;
        if (IsDelimiter(line.Text, boundary, closing)) {
            if (partStart != std::string::npos) {
                parts.push_back(
                    EntityAt(mail, partStart, BeforeBreak(mail, partStart, at), digest));
            }
            if (closing) {
                return parts;
            }
            partStart = line.Next;
        }
        at = line.Next;
    }
    if (partStart != std::string::npos) {
        parts.push_back(EntityAt(mail, partStart, multipart.BodyEnd, digest));
    }
    return parts;
}

bool IsMultipart(const MimeEntity &entity) { return entity.Type.compare(0, 10, "multipart/") == 0; }

bool HoldsMessage(const MimeEntity &entity) {
    return entity.Type == "message/rfc822" || entity.Type == "message/news" ||
           entity.Type == "message/global";
}

bool IsAttachment(const MimeEntity &entity) {
    return DispositionOf(FieldOf(entity, "Content-Disposition")) == "attachment";
}
