#include "preview/mail/mail_body.h"

#include <gmime/gmime.h>
#include <strings.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "diagnosis/mail/transfer_encoding.h"
#include "preview/charsets/decoding.h"
#include "preview/charsets/iconv_text.h"
#include "preview/mail/header_text.h"

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

// The part the client shows as the message's text, and what the user should know about it. A
// message forwarded as an attachment with no text around it is opened, as deep as it goes.
GMimePart *ChooseTextPart(GMimeMessage *message, Depth depth, int forwards, MailBody &body) {
    GMimeObject *root = g_mime_message_get_mime_part(message);
    if (GMimePart *plain = FirstTextPart(root, "plain", depth)) {
        body.Part = forwards == 0 ? "text/plain" : AttachedPartName(forwards);
        if (FirstAttachedMessage(root, depth) != nullptr) {
            body.Note = "a message is attached: the text around it is handed over, as the "
                        "client shows it; the attached message is not opened";
        }
        return plain;
    }
    if (GMimePart *html = FirstTextPart(root, "html", depth)) {
        body.Part = forwards == 0 ? "text/html" : "text/html of the attached message";
        body.Note = "HTML only: its source is handed over as the text, tags and all, as a client "
                    "without an HTML view shows it";
        return html;
    }
    GMimeMessage *attached = FirstAttachedMessage(root, depth);
    if (attached == nullptr) {
        return nullptr;
    }
    GMimePart *part = ChooseTextPart(attached, depth.Deeper(), forwards + 1, body);
    if (part != nullptr && body.Note.empty()) {
        body.Note = "forwarded as an attachment: the attached message's text is taken, which a "
                    "client shows only once the attachment is opened";
    }
    return part;
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

// The part's bytes with the transfer encoding undone: base64 and quoted-printable leniently, as
// clients undo them; uuencode by GMime; the bytes as they stand for the rest.
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

// The field's value as it stands in the message, or empty.
std::string RawField(GMimeObject *object, const char *name) {
    GMimeHeaderList *headers = g_mime_object_get_header_list(object);
    GMimeHeader *header =
        headers != nullptr ? g_mime_header_list_get_header(headers, name) : nullptr;
    const char *raw = header != nullptr ? g_mime_header_get_raw_value(header) : nullptr;
    return raw != nullptr ? raw : "";
}

// Every line break as CR LF, as a Windows mail client keeps text.
std::string WithCrLf(const std::string &text) {
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        if (text[i] == '\n' || text[i] == '\r') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

// Starts GMime, once for the process: its parser needs it.
void InitialiseGMime() {
    static const bool initialised = [] {
        g_mime_init();
        return true;
    }();
    (void)initialised;
}

Owned<GMimeMessage> Parse(std::string &bytes) {
    InitialiseGMime();
    Owned<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(bytes.data(), bytes.size()));
    // The stream holds its own copy: the message is not held twice from here on.
    std::string().swap(bytes);
    Owned<GMimeParser> parser(g_mime_parser_new_with_stream(stream.get()));
    return Owned<GMimeMessage>(g_mime_parser_construct_message(parser.get(), nullptr));
}

// The piece of a message sent in pieces (message/partial) that the message is, if it is one.
bool ReadPiece(GMimeMessage *message, MessagePiece &piece) {
    GMimeObject *part = g_mime_message_get_mime_part(message);
    if (part == nullptr || !GMIME_IS_MESSAGE_PARTIAL(part)) {
        return false;
    }
    GMimeMessagePartial *partial = GMIME_MESSAGE_PARTIAL(part);
    const char *id = g_mime_message_partial_get_id(partial);
    const int number = g_mime_message_partial_get_number(partial);
    const int total = g_mime_message_partial_get_total(partial);
    GMimeDataWrapper *content = g_mime_part_get_content(GMIME_PART(part));
    if (id == nullptr || number < 1 || total < number || content == nullptr) {
        return false;
    }
    piece = {id, static_cast<unsigned>(number), static_cast<unsigned>(total),
             StreamBytes(g_mime_data_wrapper_get_stream(content))};
    return true;
}

} // namespace

bool ReadMailBody(std::string bytes, const std::string &ansiCharset, MailBody &body,
                  std::string &error) {
    body = MailBody{};
    Owned<GMimeMessage> message = Parse(bytes);
    if (message == nullptr) {
        error = "not a mail message";
        return false;
    }
    body.IsPiece = ReadPiece(message.get(), body.Piece);
    if (body.IsPiece) {
        return true;
    }
    body.Subject = DecodeHeaderText(RawField(GMIME_OBJECT(message.get()), "Subject"));
    bool tooDeep = false;
    GMimePart *part = ChooseTextPart(message.get(), {0, tooDeep}, 0, body);
    if (part == nullptr) {
        error = tooDeep ? "its MIME parts and forwarded messages nest deeper than " +
                              std::to_string(MaxNesting) + " levels, which the tool does not read"
                        : "no text part (neither text/plain nor text/html) to show";
        return false;
    }
    body.Encoding = EncodingName(part);
    if (strcasecmp(Parameter(GMIME_OBJECT(part), "format").c_str(), "flowed") == 0 &&
        body.Note.empty()) {
        body.Note = "format=flowed: its lines are handed over as sent, not rejoined";
    }
    const std::string label = Parameter(GMIME_OBJECT(part), "charset");
    std::string content = DecodedContent(part);
    // From here on only the part's bytes are needed.
    message.reset();
    DecodedText text;
    if (!DecodeText(content, label, text, error)) {
        return false;
    }
    std::string().swap(content);
    body.Charset = text.ReadAs;
    // What could not be read is U+FFFD by now, which no ANSI code page holds: it counts here.
    std::string ansi;
    if (!Utf8ToCharset(text.Utf8, ansiCharset, ansi, body.Unrepresentable)) {
        error = "no converter for " + ansiCharset;
        return false;
    }
    std::string().swap(text.Utf8);
    body.Text = WithCrLf(ansi);
    return true;
}
