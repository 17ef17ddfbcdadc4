#include "mail/header_block.h"
#include "mail/white_space.h"

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

enum class LineKind { Empty, Blanks, Continued, Field, Odd };

// A field's name: printable ASCII, blanks and tabs among it, up to a colon, as clients take it.
bool OpensField(const std::string &line, size_t &colon) {
    colon = line.find(':');
    if (colon == 0 || colon == std::string::npos) {
        return false;
    }
    for (size_t i = 0; i < colon; ++i) {
        const char c = line[i];
        if (!IsWhiteSpace(c) && (c < '!' || c > '~')) {
            return false;
        }
    }
    return true;
}

LineKind KindOf(const std::string &line, size_t &colon) {
    if (line.empty()) {
        return LineKind::Empty;
    }
    if (IsWhiteSpace(line[0])) {
        return line.find_first_not_of(" \t") == std::string::npos ? LineKind::Blanks
                                                                  : LineKind::Continued;
    }
    return OpensField(line, colon) ? LineKind::Field : LineKind::Odd;
}

HeaderField FieldOf(const std::string &line, size_t colon) {
    const size_t nameEnd = line.find_last_not_of(" \t", colon - 1);
    return {line.substr(0, nameEnd + 1), line.substr(colon + 1)};
}

} // namespace

bool IsFieldLine(const std::string &line) {
    size_t colon = 0;
    return !line.empty() && !IsWhiteSpace(line[0]) && OpensField(line, colon);
}

bool ReadHeaderBlock(const std::string &text, size_t begin, size_t end, HeaderBlock &block) {
    block = HeaderBlock{};
    // Odd lines are passed over only in a block of two fields or more, as a mail's header is: a
    // text whose first line merely reads like a field (a newsletter's "Date: ..." above its
    // title) is no header.
    bool odd = false;
    for (size_t start = begin; start < end; ++block.BodyLine) {
        const size_t feed = text.find('\n', start);
        const size_t next = feed == std::string::npos || feed >= end ? end : feed + 1;
        std::string line = text.substr(start, next - start);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.pop_back();
        }
        start = next;
        size_t colon = 0;
        switch (KindOf(line, colon)) {
        case LineKind::Empty:
            if (odd && block.Fields.size() < 2) {
                return false;
            }
            block.BodyStart = next;
            ++block.BodyLine;
            return true;
        case LineKind::Blanks:
            // Blank lines before the first field are passed over; after it they continue one.
            if (!block.Fields.empty()) {
                block.Fields.back().Value += line;
            }
            break;
        case LineKind::Continued:
            if (block.Fields.empty()) {
                return false;
            }
            block.Fields.back().Value += line;
            break;
        case LineKind::Field:
            block.Fields.push_back(FieldOf(line, colon));
            break;
        case LineKind::Odd:
            // A line that is no field is passed over once a field has come.
            if (block.Fields.empty()) {
                return false;
            }
            odd = true;
            break;
        }
    }
    return false;
}

const std::string *FieldValue(const HeaderBlock &block, const char *name) {
    for (const HeaderField &field : block.Fields) {
        if (SameName(field.Name, name)) {
            return &field.Value;
        }
    }
    return nullptr;
}

bool FindMailHeader(const std::string &text, MailHeader &header) {
    HeaderBlock block;
    if (!ReadHeaderBlock(text, 0, text.size(), block)) {
        return false;
    }
    for (const HeaderField &field : block.Fields) {
        if (IsMailField(field.Name)) {
            header = {block.BodyStart, block.BodyLine};
            return true;
        }
    }
    return false;
}
