#include "preview/mail_body.h"

#include "preview/charset.h"

#include <gmime/gmime.h>
#include <strings.h>

#include <cstring>
#include <memory>

namespace {

template <typename T> struct GObjectRelease {
    void operator()(T *object) const { g_object_unref(object); }
};
template <typename T> using Owned = std::unique_ptr<T, GObjectRelease<T>>;

bool EndsWith(const std::string &text, const char *end) {
    const size_t length = std::strlen(end);
    return text.size() >= length && strcasecmp(text.c_str() + text.size() - length, end) == 0;
}

bool IsAttachment(GMimeObject *object) {
    const char *disposition = g_mime_object_get_disposition(object);
    return disposition != nullptr && strcasecmp(disposition, "attachment") == 0;
}

// The first part of `subtype` ("plain", "html") in document order that is no attachment: in a
// multipart/alternative, the plain one before the HTML one. Attached messages are not entered.
GMimePart *FirstTextPart(GMimeObject *object, const char *subtype) {
    if (object == nullptr) {
        return nullptr;
    }
    if (GMIME_IS_MULTIPART(object)) {
        GMimeMultipart *multipart = GMIME_MULTIPART(object);
        for (int i = 0; i < g_mime_multipart_get_count(multipart); ++i) {
            if (GMimePart *part = FirstTextPart(g_mime_multipart_get_part(multipart, i), subtype)) {
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
GMimeMessage *FirstAttachedMessage(GMimeObject *object) {
    if (object != nullptr && GMIME_IS_MESSAGE_PART(object)) {
        return g_mime_message_part_get_message(GMIME_MESSAGE_PART(object));
    }
    if (object == nullptr || !GMIME_IS_MULTIPART(object)) {
        return nullptr;
    }
    GMimeMultipart *multipart = GMIME_MULTIPART(object);
    for (int i = 0; i < g_mime_multipart_get_count(multipart); ++i) {
        if (GMimeMessage *message = FirstAttachedMessage(g_mime_multipart_get_part(multipart, i))) {
            return message;
        }
    }
    return nullptr;
}

// The part the client shows as the message's text, and what the user should know about it.
GMimePart *ChooseTextPart(GMimeMessage *message, MailBody &body) {
    GMimeObject *root = g_mime_message_get_mime_part(message);
    if (GMimePart *plain = FirstTextPart(root, "plain")) {
        body.Part = "text/plain";
        if (FirstAttachedMessage(root) != nullptr) {
            body.Note = "a message is attached: the text around it is handed over, as the "
                        "client shows it; the attached message is not opened";
        }
        return plain;
    }
    if (GMimePart *html = FirstTextPart(root, "html")) {
        body.Part = "text/html";
        body.Note = "HTML only: its source is handed over as the text, tags and all, as a client "
                    "without an HTML view shows it";
        return html;
    }
    GMimeMessage *attached = FirstAttachedMessage(root);
    if (attached == nullptr) {
        return nullptr;
    }
    GMimePart *plain = FirstTextPart(g_mime_message_get_mime_part(attached), "plain");
    if (plain != nullptr) {
        body.Part = "text/plain of the attached message";
        body.Note = "forwarded as an attachment: the attached message's text is taken, which a "
                    "client shows only once the attachment is opened";
    }
    return plain;
}

// The part's bytes with the transfer encoding undone.
std::string DecodedContent(GMimePart *part) {
    GMimeDataWrapper *content = g_mime_part_get_content(part);
    if (content == nullptr) {
        return {};
    }
    Owned<GMimeStream> out(g_mime_stream_mem_new());
    g_mime_data_wrapper_write_to_stream(content, out.get());
    GByteArray *bytes = g_mime_stream_mem_get_byte_array(GMIME_STREAM_MEM(out.get()));
    return bytes == nullptr ? std::string()
                            : std::string(reinterpret_cast<const char *>(bytes->data), bytes->len);
}

std::string Parameter(GMimePart *part, const char *name) {
    const char *value = g_mime_object_get_content_type_parameter(GMIME_OBJECT(part), name);
    return value != nullptr ? value : "";
}

std::string EncodingName(GMimePart *part) {
    const char *name = g_mime_content_encoding_to_string(g_mime_part_get_content_encoding(part));
    return name != nullptr && *name != '\0' ? name : "7bit";
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

} // namespace

bool IsFieldLine(const std::string &line) {
    const size_t colon = line.find(':');
    if (colon == 0 || colon == std::string::npos) {
        return false;
    }
    for (size_t i = 0; i < colon; ++i) {
        if (line[i] <= ' ' || line[i] > '~') {
            return false;
        }
    }
    return true;
}

bool LooksLikeMessage(const std::string &fileName, const std::string &bytes) {
    if (EndsWith(fileName, ".eml")) {
        return true;
    }
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find('\n', start);
        std::string line = bytes.substr(start, end == std::string::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            return false;
        }
        const bool continued = line[0] == ' ' || line[0] == '\t';
        if (!continued && !IsFieldLine(line)) {
            return false;
        }
        for (const char *name : {"MIME-Version:", "Content-Type:", "From:"}) {
            if (strncasecmp(line.c_str(), name, std::strlen(name)) == 0) {
                return true;
            }
        }
        if (end == std::string::npos) {
            return false;
        }
        start = end + 1;
    }
    return false;
}

bool ReadMailBody(const std::string &bytes, const std::string &ansiCharset, MailBody &body,
                  std::string &error) {
    InitialiseGMime();
    body = MailBody{};
    Owned<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(bytes.data(), bytes.size()));
    Owned<GMimeParser> parser(g_mime_parser_new_with_stream(stream.get()));
    Owned<GMimeMessage> message(g_mime_parser_construct_message(parser.get(), nullptr));
    if (message == nullptr) {
        error = "not a mail message";
        return false;
    }
    const char *subject = g_mime_message_get_subject(message.get());
    body.Subject = subject != nullptr ? subject : "";
    GMimePart *part = ChooseTextPart(message.get(), body);
    if (part == nullptr) {
        error = "no text part (neither text/plain nor text/html) to show";
        return false;
    }
    body.Encoding = EncodingName(part);
    if (strcasecmp(Parameter(part, "format").c_str(), "flowed") == 0 && body.Note.empty()) {
        body.Note = "format=flowed: its lines are handed over as sent, not rejoined";
    }
    DecodedText text;
    if (!DecodeText(DecodedContent(part), Parameter(part, "charset"), text, error)) {
        return false;
    }
    body.Charset = text.ReadAs;
    // What could not be read is U+FFFD by now, which no ANSI code page holds: it counts here.
    std::string ansi;
    if (!EncodeUtf8(text.Utf8, ansiCharset, ansi, body.Unrepresentable)) {
        error = "no converter for " + ansiCharset;
        return false;
    }
    body.Text = WithCrLf(ansi);
    return true;
}
