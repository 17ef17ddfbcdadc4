#include "diagnosis/mail/mail_header.h"

namespace {

const char *const MailFields[] = {"From",     "To",         "Cc",           "Subject",
                                  "Date",     "Message-ID", "MIME-Version", "Content-Type",
                                  "Received", "Return-Path"};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const std::string &name, const char *field) {
    size_t i = 0;
    for (; i < name.size() && field[i] != '\0'; ++i) {
        if (Lower(name[i]) != Lower(field[i])) {
            return false;
        }
    }
    return i == name.size() && field[i] == '\0';
}

bool IsMailField(const std::string &name) {
    for (const char *field : MailFields) {
        if (SameName(name, field)) {
            return true;
        }
    }
    return false;
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

bool FindMailHeader(const std::string &text, MailHeader &header) {
    bool known = false;
    size_t line = 1;
    for (size_t start = 0; start < text.size(); ++line) {
        const size_t end = text.find('\n', start);
        const size_t next = end == std::string::npos ? text.size() : end + 1;
        std::string content = text.substr(start, next - start);
        while (!content.empty() && (content.back() == '\n' || content.back() == '\r')) {
            content.pop_back();
        }
        if (content.empty()) {
            header = {next, line + 1};
            return known;
        }
        const bool continued = content[0] == ' ' || content[0] == '\t';
        if (continued ? start == 0 : !IsFieldLine(content)) {
            return false;
        }
        known = known || (!continued && IsMailField(content.substr(0, content.find(':'))));
        start = next;
    }
    return false;
}
