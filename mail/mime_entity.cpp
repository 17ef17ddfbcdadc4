#include "diagnosis/mail/text_part.h"

#include "diagnosis/mail/mail_header.h"
#include "diagnosis/mail/transfer_encoding.h"

namespace {

std::string Lower(std::string text) {
    for (char &c : text) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return text;
}

std::string Trimmed(const std::string &text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    const size_t last = text.find_last_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// The lines of text[begin, end), each without its line break, with the byte after its break.
struct Line {
    std::string Text;
    size_t Next;
};

Line LineAt(const std::string &text, size_t at, size_t end) {
    const size_t feed = text.find('\n', at);
    const size_t next = feed == std::string::npos || feed >= end ? end : feed + 1;
    std::string line = text.substr(at, next - at);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.pop_back();
    }
    return {line, next};
}

// A part's header from `at`: its fields, each "name:value" with the name in lower case and its
// continuation lines joined, one a line; `body` gets where the part's body starts. A part that
// does not open with a field or an empty line has no header.
std::string HeaderFrom(const std::string &text, size_t at, size_t end, size_t &body) {
    std::string fields;
    for (size_t start = at; start < end;) {
        const Line line = LineAt(text, start, end);
        if (line.Text.empty()) {
            body = line.Next;
            return fields;
        }
        const bool continued = line.Text[0] == ' ' || line.Text[0] == '\t';
        if (continued && !fields.empty()) {
            fields += " " + Trimmed(line.Text);
        } else if (IsFieldLine(line.Text)) {
            const size_t colon = line.Text.find(':');
            fields += "\n" + Lower(line.Text.substr(0, colon)) + ":" +
                      Trimmed(line.Text.substr(colon + 1));
        } else {
            break;
        }
        start = line.Next;
    }
    body = at;
    return {};
}

// The value of the header's first field of that name (lower case).
std::string FieldValue(const std::string &fields, const std::string &name) {
    const size_t at = fields.find("\n" + name + ":");
    if (at == std::string::npos) {
        return {};
    }
    const size_t start = at + name.size() + 2;
    const size_t end = fields.find('\n', start);
    return fields.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The media type of a Content-Type value, in lower case.
std::string MediaType(const std::string &value) {
    return Lower(Trimmed(value.substr(0, value.find(';'))));
}

// A parameter of a Content-Type value, its quotes taken off; empty when it is missing.
std::string Parameter(const std::string &value, const std::string &name) {
    size_t at = value.find(';');
    while (at != std::string::npos) {
        const size_t equals = value.find('=', at);
        if (equals == std::string::npos) {
            return {};
        }
        const std::string key = Lower(Trimmed(value.substr(at + 1, equals - at - 1)));
        size_t end = equals + 1;
        while (end < value.size() && (value[end] == ' ' || value[end] == '\t')) {
            ++end;
        }
        std::string found;
        if (end < value.size() && value[end] == '"') {
            const size_t close = value.find('"', end + 1);
            found = value.substr(end + 1,
                                 close == std::string::npos ? std::string::npos : close - end - 1);
            end = close == std::string::npos ? value.size() : close + 1;
        } else {
            const size_t semicolon = value.find(';', end);
            found = Trimmed(value.substr(end, semicolon == std::string::npos ? std::string::npos
                                                                             : semicolon - end));
            end = semicolon == std::string::npos ? value.size() : semicolon;
        }
        if (key == name) {
            return found;
        }
        at = value.find(';', end);
    }
    return {};
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

class PartFinder {
  public:
    PartFinder(const std::string &mail, TextPart &part) : Mail(mail), Part(part) {}

    // The part with its header's fields, whose body is Mail[begin, end).
    TextPartFound Find(const std::string &fields, size_t begin, size_t end, int depth) {
        const std::string contentType = FieldValue(fields, "content-type");
        const std::string type = contentType.empty() ? "text/plain" : MediaType(contentType);
        if (type == "text/plain") {
            Take(fields, contentType, begin, end, depth);
            return TextPartFound::Found;
        }
        const std::string boundary = Parameter(contentType, "boundary");
        if (type.compare(0, 10, "multipart/") != 0 || boundary.empty()) {
            return TextPartFound::NoTextPart;
        }
        if (depth == DeepestPart) {
            return TextPartFound::TooDeep;
        }
        return FindAmongParts(boundary, begin, end, depth + 1);
    }

  private:
    TextPartFound FindAmongParts(const std::string &boundary, size_t begin, size_t end, int depth) {
        TextPartFound found = TextPartFound::NoTextPart;
        size_t partStart = std::string::npos;
        for (size_t at = begin; at < end;) {
            const Line line = LineAt(Mail, at, end);
            bool closing = false;
            if (IsDelimiter(line.Text, boundary, closing)) {
                if (partStart != std::string::npos) {
                    found = FindInPart(partStart, BeforeBreak(partStart, at), depth);
                    if (found == TextPartFound::Found) {
                        return found;
                    }
                }
                if (closing) {
                    return found;
                }
                partStart = line.Next;
            }
            at = line.Next;
        }
        // A last part whose closing delimiter never came is read as far as it goes.
        return partStart == std::string::npos ? found : FindInPart(partStart, end, depth);
    }

    // The line break before a delimiter belongs to it, not to the part.
    size_t BeforeBreak(size_t start, size_t at) const {
        if (at > start && Mail[at - 1] == '\n') {
            --at;
        }
        if (at > start && Mail[at - 1] == '\r') {
            --at;
        }
        return at;
    }

    TextPartFound FindInPart(size_t start, size_t end, int depth) {
        size_t body = start;
        const std::string fields = HeaderFrom(Mail, start, end, body);
        return Find(fields, body, end, depth);
    }

    void Take(const std::string &fields, const std::string &contentType, size_t begin, size_t end,
              int depth) {
        Part.Charset = Parameter(contentType, "charset");
        Part.TransferEncoding = Lower(Trimmed(FieldValue(fields, "content-transfer-encoding")));
        const std::string bytes = Mail.substr(begin, end - begin);
        const bool base64 = Part.TransferEncoding == "base64";
        const bool quoted = Part.TransferEncoding == "quoted-printable";
        Part.Bytes = base64 ? DecodeBase64(bytes) : quoted ? DecodeQuotedPrintable(bytes) : bytes;
        Part.TransferEncoding = base64 || quoted ? Part.TransferEncoding : std::string();
        Part.LinesAsSaved = depth == 0 && !base64 && !quoted;
    }

    const std::string &Mail;
    TextPart &Part;
};

} // namespace

TextPartFound FindTextPart(const std::string &mail, size_t bodyStart, TextPart &part) {
    size_t body = 0;
    const std::string fields = HeaderFrom(mail, 0, bodyStart, body);
    part = TextPart{};
    part.Type = MediaType(FieldValue(fields, "content-type"));
    part.Type = part.Type.empty() ? "text/plain" : part.Type;
    return PartFinder(mail, part).Find(fields, bodyStart, mail.size(), 0);
}
