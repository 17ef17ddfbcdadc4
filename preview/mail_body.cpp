#include "preview/mail_body.h"

#include "preview/iso_2022_jp.h"

#include <gmime/gmime.h>
#include <iconv.h>
#include <strings.h>

#include <cerrno>
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

// A header field's name: printable ASCII up to a colon.
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

// The first text/plain part in document order that is not an attachment: in a
// multipart/alternative, the plain one before the HTML one.
GMimePart *FirstPlainPart(GMimeObject *object) {
    if (GMIME_IS_MULTIPART(object)) {
        GMimeMultipart *multipart = GMIME_MULTIPART(object);
        for (int i = 0; i < g_mime_multipart_get_count(multipart); ++i) {
            if (GMimePart *part = FirstPlainPart(g_mime_multipart_get_part(multipart, i))) {
                return part;
            }
        }
        return nullptr;
    }
    if (!GMIME_IS_PART(object) || GMIME_IS_MESSAGE_PART(object)) {
        return nullptr;
    }
    GMimeContentType *type = g_mime_object_get_content_type(object);
    const bool plain = g_mime_content_type_is_type(type, "text", "plain");
    const char *disposition = g_mime_object_get_disposition(object);
    const bool attached = disposition != nullptr && strcasecmp(disposition, "attachment") == 0;
    return plain && !attached ? GMIME_PART(object) : nullptr;
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
    return std::string(reinterpret_cast<const char *>(bytes->data), bytes->len);
}

// What iconv calls the charset. Windows reads Shift_JIS mail as code page 932, which holds a few
// more characters than the standard.
std::string IconvName(const std::string &charset) {
    if (strcasecmp(charset.c_str(), "shift_jis") == 0 ||
        strcasecmp(charset.c_str(), "x-sjis") == 0) {
        return "CP932";
    }
    return g_mime_charset_iconv_name(charset.c_str());
}

// Converts `text` from one charset to another. A sequence that cannot be read or written becomes
// `replacement`, and counts.
bool Convert(const std::string &text, const std::string &from, const std::string &to,
             const char *replacement, std::string &out, size_t &replaced) {
    iconv_t converter = iconv_open(to.c_str(), from.c_str());
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    char *in = const_cast<char *>(text.data());
    size_t inLeft = text.size();
    char chunk[4096];
    while (inLeft > 0) {
        char *written = chunk;
        size_t room = sizeof chunk;
        const size_t result = iconv(converter, &in, &inLeft, &written, &room);
        out.append(chunk, static_cast<size_t>(written - chunk));
        if (result == static_cast<size_t>(-1) && errno != E2BIG) {
            // One character of UTF-8 (its lead byte and continuation bytes), or one byte.
            size_t skip = 1;
            while (from == "UTF-8" && skip < inLeft && (in[skip] & 0xC0) == 0x80) {
                ++skip;
            }
            in += skip;
            inLeft -= skip;
            out += replacement;
            ++replaced;
        }
    }
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    iconv_close(converter);
    return true;
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
    static const bool initialised = [] {
        g_mime_init();
        return true;
    }();
    (void)initialised;
    Owned<GMimeStream> stream(g_mime_stream_mem_new_with_buffer(bytes.data(), bytes.size()));
    Owned<GMimeParser> parser(g_mime_parser_new_with_stream(stream.get()));
    Owned<GMimeMessage> message(g_mime_parser_construct_message(parser.get(), nullptr));
    if (message == nullptr) {
        error = "not a mail message";
        return false;
    }
    GMimePart *part = FirstPlainPart(g_mime_message_get_mime_part(message.get()));
    if (part == nullptr) {
        error = "no text/plain part";
        return false;
    }
    const char *charset = g_mime_object_get_content_type_parameter(GMIME_OBJECT(part), "charset");
    body.Charset = charset != nullptr ? charset : "us-ascii";
    body.Encoding = g_mime_content_encoding_to_string(g_mime_part_get_content_encoding(part));
    if (body.Encoding.empty()) {
        body.Encoding = "7bit";
    }
    std::string content = DecodedContent(part);
    std::string from = IconvName(body.Charset);
    if (strcasecmp(body.Charset.c_str(), "iso-2022-jp") == 0) {
        content = Iso2022JpToCp932(content);
        from = "CP932";
    }
    std::string unicode;
    size_t unreadable = 0;
    if (!Convert(content, from, "UTF-8", "\xEF\xBF\xBD", unicode, unreadable)) {
        error = "unknown charset " + body.Charset;
        return false;
    }
    // What could not be read shows as U+FFFD, which no ANSI code page holds: it counts below.
    std::string ansi;
    body.Unrepresentable = 0;
    if (!Convert(unicode, "UTF-8", ansiCharset, "?", ansi, body.Unrepresentable)) {
        error = "no converter for " + ansiCharset;
        return false;
    }
    body.Text = WithCrLf(ansi);
    return true;
}
