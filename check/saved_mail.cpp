#include "check/saved_mail.h"

#include "diagnosis/mail_header.h"

namespace {

std::string Lower(std::string text) {
    for (char &c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + ('a' - 'A'));
        }
    }
    return text;
}

std::string Trimmed(const std::string &text) {
    const size_t first = text.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first);
}

// What in the headers (each "name:value", lower case, unfolded) makes the body unreadable as it
// stands.
std::string EncodingIn(const std::string &headers) {
    if (headers.find("\ncontent-type:multipart/") != std::string::npos) {
        return "MIME parts";
    }
    if (headers.find("\ncontent-transfer-encoding:base64") != std::string::npos) {
        return "base64";
    }
    if (headers.find("\ncontent-transfer-encoding:quoted-printable") != std::string::npos) {
        return "quoted-printable";
    }
    if (headers.find("iso-2022-jp") != std::string::npos) {
        return "ISO-2022-JP";
    }
    return {};
}

// The header's fields, each "name:value" in lower case and unfolded, a line each.
std::string HeaderFields(const std::string &header) {
    std::string fields;
    for (size_t at = 0; at < header.size();) {
        const size_t end = header.find('\n', at);
        const size_t next = end == std::string::npos ? header.size() : end + 1;
        std::string content = header.substr(at, next - at);
        while (!content.empty() && (content.back() == '\n' || content.back() == '\r')) {
            content.pop_back();
        }
        const size_t colon = content.find(':');
        const bool folded = !content.empty() && (content[0] == ' ' || content[0] == '\t');
        if (folded) {
            fields += " " + Trimmed(Lower(content));
        } else if (colon != std::string::npos) {
            fields += "\n" + Lower(content.substr(0, colon)) + ":" +
                      Trimmed(Lower(content.substr(colon + 1)));
        }
        at = next;
    }
    return fields;
}

} // namespace

bool FindSavedMail(const std::string &text, SavedMail &mail) {
    MailHeader header{};
    if (!FindMailHeader(text, header)) {
        return false;
    }
    mail = {header.BodyStart, header.BodyLine,
            EncodingIn(HeaderFields(text.substr(0, header.BodyStart)))};
    return true;
}
