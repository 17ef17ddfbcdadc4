// GMime's reading of a saved message, the oracle that mail/ is held against in the Linux tests:
// GMime parses the message, and the part is chosen over its parse as the preview chose it while
// it read mail with GMime.
#include "gmime_reading.h"

#include <gmime/gmime.h>
#include <strings.h>

#include <memory>

#include "mail/limits.h"
#include "mail/transfer_encoding.h"

namespace {

template <typename T> struct GObjectRelease {
    void operator()(T *object) const { g_object_unref(object); }
};
template <typename T> using Owned = std::unique_ptr<T, GObjectRelease<T>>;

bool IsAttachment(GMimeObject *object) {
    const char *disposition = g_mime_object_get_disposition(object);
    return disposition != nullptr && strcasecmp(disposition, "attachment") == 0;
}

// How deep the search for a part went, and whether it was stopped.
struct Depth {
    int Level;
    bool &TooDeep;
    Depth Deeper() const { return {Level + 1, TooDeep}; }
    bool Exceeded() const {
        TooDeep = TooDeep || Level > MaxNesting;
        return Level > MaxNesting;
    }
};

// The first part of `subtype` ("plain", "html") in document order that is no attachment: in a
// multipart/alternative, the plain one before the HTML one. Attached messages are not entered.
GMimePart *FirstTextPart(GMimeObject *object, const char *subtype, Depth depth) {
    if (object == nullptr || depth.Exceeded()) {
        return nullptr;
    }
    if (GMIME_IS_MULTIPART(object)) {
        GMimeMultipart *multipart = GMIME_MULTIPART(object);
        for (int i = 0; i < g_mime_multipart_get_count(multipart); ++i) {
            GMimeObject *child = g_mime_multipart_get_part(multipart, i);
            if (GMimePart *part = FirstTextPart(child, subtype, depth.Deeper())) {
                return part;
            }
        }
        return nullptr;
    }
    if (!GMIME_IS_PART(object) || IsAttachment(object)) {
        return nullptr;
    }
    GMimeContentType *type = g_mime_object_get_content_type(object);
    const bool wanted = type != nullptr && g_mime_content_type_is_type(type, "text", subtype);
    return wanted ? GMIME_PART(object) : nullptr;
}

// The first message attached to `object` (a forwarded issue), or null.
GMimeMessage *FirstAttachedMessage(GMimeObject *object, Depth depth) {
    if (object == nullptr || depth.Exceeded()) {
        return nullptr;
    }
    if (GMIME_IS_MESSAGE_PART(object)) {
        return g_mime_message_part_get_message(GMIME_MESSAGE_PART(object));
    }
    if (!GMIME_IS_MULTIPART(object)) {
        return nullptr;
    }
    GMimeMultipart *multipart = GMIME_MULTIPART(object);
    for (int i = 0; i < g_mime_multipart_get_count(multipart); ++i) {
        GMimeObject *child = g_mime_multipart_get_part(multipart, i);
        if (GMimeMessage *message = FirstAttachedMessage(child, depth.Deeper())) {
            return message;
        }
    }
    return nullptr;
}

std::string AttachedPartName(int forwards) {
    return forwards == 1
               ? "text/plain of the attached message"
               : "text/plain of the message attached " + std::to_string(forwards) + " levels down";
}

// The part the client shows as the message's text, chosen as mail/text_choice.h says, here
// over GMime's own parse.
GMimePart *ChooseTextPart(GMimeMessage *message, Depth depth, int forwards, GMimeReading &read) {
    GMimeObject *root = g_mime_message_get_mime_part(message);
    if (GMimePart *plain = FirstTextPart(root, "plain", depth)) {
        read.Part = forwards == 0 ? "text/plain" : AttachedPartName(forwards);
        return plain;
    }
    if (GMimePart *html = FirstTextPart(root, "html", depth)) {
        read.Part = forwards == 0 ? "text/html" : "text/html of the attached message";
        return html;
    }
    GMimeMessage *attached = FirstAttachedMessage(root, depth);
    return attached == nullptr ? nullptr
                               : ChooseTextPart(attached, depth.Deeper(), forwards + 1, read);
}

std::string StreamBytes(GMimeStream *stream) {
    std::string bytes;
    const gint64 length = g_mime_stream_length(stream);
    bytes.reserve(length > 0 ? static_cast<size_t>(length) : 0);
    g_mime_stream_reset(stream);
    char piece[64 * 1024];
    for (ssize_t got; (got = g_mime_stream_read(stream, piece, sizeof piece)) > 0;) {
        bytes.append(piece, static_cast<size_t>(got));
    }
    return bytes;
}

// The part's bytes with the transfer encoding undone: base64 and quoted-printable by our lenient
// decoders, which the preview took over GMime's; uuencode by GMime; the bytes as they stand for
// the rest.
std::string DecodedContent(GMimePart *part) {
    GMimeDataWrapper *content = g_mime_part_get_content(part);
    if (content == nullptr) {
        return {};
    }
    GMimeStream *raw = g_mime_data_wrapper_get_stream(content);
    switch (g_mime_data_wrapper_get_encoding(content)) {
    case GMIME_CONTENT_ENCODING_BASE64:
        return DecodeBase64(StreamBytes(raw));
    case GMIME_CONTENT_ENCODING_QUOTEDPRINTABLE:
        return DecodeQuotedPrintable(StreamBytes(raw));
    case GMIME_CONTENT_ENCODING_UUENCODE: {
        Owned<GMimeStream> out(g_mime_stream_mem_new());
        g_mime_data_wrapper_write_to_stream(content, out.get());
        return StreamBytes(out.get());
    }
    default:
        return StreamBytes(raw);
    }
}

std::string Parameter(GMimeObject *object, const char *name) {
    const char *value = g_mime_object_get_content_type_parameter(object, name);
    return value != nullptr ? value : "";
}

std::string EncodingName(GMimePart *part) {
    const char *name = g_mime_content_encoding_to_string(g_mime_part_get_content_encoding(part));
    return name != nullptr && *name != '\0' ? name : "7bit";
}

// Starts GMime, once for the process: its parser needs it.
void InitialiseGMime() {
    static const bool initialised = [] {
        g_mime_init();
        return true;
    }();
    (void)initialised;
}

} // namespace

GMimeReading ReadWithGMime(const std::string &bytes) {
    InitialiseGMime();
    GMimeReading read;
    Owned<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(bytes.data(), bytes.size()));
    Owned<GMimeParser> parser(g_mime_parser_new_with_stream(stream.get()));
    Owned<GMimeMessage> message(g_mime_parser_construct_message(parser.get(), nullptr));
    if (message == nullptr) {
        return read;
    }
    GMimeObject *root = g_mime_message_get_mime_part(message.get());
    read.IsPiece = root != nullptr && GMIME_IS_MESSAGE_PARTIAL(root);
    bool tooDeep = false;
    GMimePart *part = ChooseTextPart(message.get(), {0, tooDeep}, 0, read);
    read.TooDeep = tooDeep;
    if (part == nullptr) {
        return read;
    }
    read.Found = true;
    read.Charset = Parameter(GMIME_OBJECT(part), "charset");
    read.Encoding = EncodingName(part);
    read.Bytes = DecodedContent(part);
    return read;
}
