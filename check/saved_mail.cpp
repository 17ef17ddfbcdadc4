#include "check/saved_mail.h"

#include <cstring>

namespace {

// Header names that every saved mail has at least one of.
const char *const MailHeaders[] = {"from",       "to",           "subject",  "date",
                                   "message-id", "mime-version", "received", "return-path"};

std::string Lower(std::string text) {
    for (char &c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + ('a' - 'A'));
        }
    }
    return text;
}

// The name of a header line ("Subject: ..."), lower case; empty when the line is none.
std::string HeaderName(const std::string &line) {
    const size_t colon = line.find(':');
    if (colon == 0 || colon == std::string::npos) {
        return {};
    }
    for (size_t i = 0; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c <= ' ' || c >= 0x7F) {
            return {};
        }
    }
    return Lower(line.substr(0, colon));
}

bool IsMailHeader(const std::string &name) {
    for (const char *known : MailHeaders) {
        if (name == known) {
            return true;
        }
    }
    return false;
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

} // namespace

bool FindSavedMail(const std::string &text, SavedMail &mail) {
    std::string headers;
    bool known = false;
    size_t line = 1;
    for (size_t at = 0; at < text.size(); ++line) {
        const size_t end = text.find('\n', at);
        const size_t next = end == std::string::npos ? text.size() : end + 1;
        std::string content = text.substr(at, next - at);
        while (!content.empty() && (content.back() == '\n' || content.back() == '\r')) {
            content.pop_back();
        }
        if (content.empty()) {
            mail = {next, line + 1, EncodingIn(headers)};
            return known && line > 1;
        }
        const bool folded = content[0] == ' ' || content[0] == '\t';
        const std::string name = folded ? std::string() : HeaderName(content);
        if (!folded && name.empty()) {
            return false;
        }
        known = known || IsMailHeader(name);
        headers += folded ? " " + Trimmed(Lower(content))
                          : "\n" + name + ":" + Trimmed(Lower(content.substr(name.size() + 1)));
        at = next;
    }
    return false;
}
