#include "preview/mailbox/mbox_reader.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <strings.h>
#include <vector>

#include "mail/header_block.h"

namespace {

constexpr const char *FromLine = "From ";
constexpr size_t FromLength = 5;
// Thunderbird's flag for a message deleted but not yet purged ("expunged").
constexpr unsigned long ExpungedFlag = 0x0008;

bool StartsWithFrom(const std::string &bytes, size_t at) {
    return bytes.compare(at, FromLength, FromLine) == 0;
}

size_t LineEnd(const std::string &bytes, size_t at) {
    const size_t end = bytes.find('\n', at);
    return end == std::string::npos ? bytes.size() : end;
}

// The line from `at`, without its line break.
std::string LineAt(const std::string &bytes, size_t at) {
    std::string line = bytes.substr(at, LineEnd(bytes, at) - at);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return line;
}

bool IsEmptyLine(const std::string &bytes, size_t at) {
    return bytes.compare(at, std::string::npos, "\n") == 0 ||
           bytes.compare(at, std::string::npos, "\r\n") == 0;
}

bool IsDigits(const std::string &word, size_t at, size_t count) {
    return word.size() >= at + count &&
           std::all_of(word.begin() + static_cast<long>(at),
                       word.begin() + static_cast<long>(at + count),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// A "From " line as mail programs write it: the sender, then a date as ctime() gives it, a time
// of day followed by the year ("From a@b Tue Dec  8 09:00:00 2026"), sometimes with more after.
bool ReadsAsFromLine(const std::string &line) {
    std::istringstream words(line.substr(FromLength));
    bool time = false;
    for (std::string word; words >> word;) {
        if (time && word.size() == 4 && IsDigits(word, 0, 4)) {
            return true;
        }
        time = time ||
               (IsDigits(word, 0, 2) && word.size() >= 5 && word[2] == ':' && IsDigits(word, 3, 2));
    }
    return false;
}

// True when a message starts at the line at `at`: a "From " line after an empty line, as every
// mbox writer leaves one, or one that reads as a real "From " line; or a "From - " line wherever
// it stands, dated or not, as Netscape and Mozilla write them.
bool StartsMessage(const std::string &bytes, size_t at, bool afterEmptyLine) {
    return StartsWithFrom(bytes, at) && (afterEmptyLine || bytes.compare(at, 7, "From - ") == 0 ||
                                         ReadsAsFromLine(LineAt(bytes, at)));
}

// Where the header ends: at its empty line, or at the end.
size_t HeaderEnd(const std::string &bytes) {
    for (size_t at = 0; at < bytes.size(); at = LineEnd(bytes, at) + 1) {
        if (IsEmptyLine(bytes, at) || LineAt(bytes, at).empty()) {
            return at;
        }
    }
    return bytes.size();
}

// The value of the first header field of that name in the header from 0 to `end`, or empty.
std::string FieldValue(const std::string &bytes, size_t end, const char *name) {
    const size_t length = std::strlen(name);
    for (size_t at = 0; at < end; at = LineEnd(bytes, at) + 1) {
        if (strncasecmp(bytes.c_str() + at, name, length) == 0 && bytes[at + length] == ':') {
            return LineAt(bytes, at + length + 1);
        }
    }
    return "";
}

// The Content-Length field's value in the header from 0 to `end`, or -1.
long long ContentLength(const std::string &bytes, size_t end) {
    const std::string value = FieldValue(bytes, end, "Content-Length");
    char *last = nullptr;
    const long long length = std::strtoll(value.c_str(), &last, 10);
    return last != value.c_str() && length >= 0 ? length : -1;
}

// True when the body from `body` is `length` bytes and line breaks after them.
bool EndsWhereCounted(const std::string &text, size_t body, long long length) {
    const auto end = body + static_cast<size_t>(length);
    return end <= text.size() && text.find_first_not_of("\r\n", end) == std::string::npos;
}

// The mboxrd convention writes a body line "From ..." as ">From ...", and ">From " as ">>From ".
std::string Unquoted(const std::string &text) {
    std::string out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(LineEnd(text, at) + 1, text.size());
        const size_t quotes = text.find_first_not_of('>', at);
        const bool quoted = quotes != std::string::npos && quotes > at && quotes < end &&
                            StartsWithFrom(text, quotes);
        out.append(text, quoted ? at + 1 : at, end - (quoted ? at + 1 : at));
        at = end;
    }
    return out;
}

// The empty line that the mbox writer put before the next "From " line is not the message's.
void DropSeparatorLine(std::string &text) {
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\n\n") == 0) {
        text.pop_back();
    } else if (text.size() >= 4 && text.compare(text.size() - 4, 4, "\r\n\r\n") == 0) {
        text.resize(text.size() - 2);
    }
}

} // namespace

bool IsMbox(const std::string &bytes) {
    if (!StartsWithFrom(bytes, 0)) {
        return false;
    }
    const size_t second = LineEnd(bytes, 0) + 1;
    return second < bytes.size() && IsFieldLine(LineAt(bytes, second));
}

MboxReader::MboxReader(std::string name, std::unique_ptr<ByteSource> source)
    : Name(std::move(name)), Source(std::move(source)), Lines(*Source) {
    Lines.ReadLine(FromLineRead);
}

bool MboxReader::Next(SavedMessage &message) {
    if (Finished) {
        return false;
    }
    std::string text;
    const bool read = ReadText(text);
    // A message is whole when the next one starts after it, whatever came later, or when the
    // data ended well; bytes after the end of the data leave it whole too.
    const bool whole =
        !FromLineRead.empty() || Source->Failure().empty() || Source->FailedAfterEnd();
    if (read && whole) {
        message = MessageEntry(std::move(text));
        return true;
    }
    Finished = true;
    if (Source->Failure().empty()) {
        return false;
    }
    message = DamageEntry(Name, *Source, Count, read);
    return true;
}

bool MboxReader::ReadText(std::string &text) {
    if (FromLineRead.empty()) {
        return false;
    }
    FromLineRead.clear();
    text.clear();
    size_t body = std::string::npos;
    long long length = -1;
    bool afterEmptyLine = false;
    std::vector<size_t> passed; // "From " lines the count passed over
    for (;;) {
        const size_t lineStart = text.size();
        if (!Lines.ReadLine(text)) {
            break;
        }
        const bool empty = IsEmptyLine(text, lineStart);
        if (body == std::string::npos && empty) {
            body = text.size();
            length = ContentLength(text, lineStart);
        } else if (StartsMessage(text, lineStart, afterEmptyLine)) {
            if (body != std::string::npos && length >= 0 &&
                lineStart - body < static_cast<unsigned long long>(length)) {
                passed.push_back(lineStart);
            } else {
                FromLineRead = text.substr(lineStart);
                text.resize(lineStart);
                break;
            }
        }
        afterEmptyLine = empty;
    }
    if (body != std::string::npos && length >= 0 && EndsWhereCounted(text, body, length)) {
        text.resize(body + static_cast<size_t>(length));
        return true;
    }
    if (!passed.empty()) {
        // The count led nowhere: the message ends at the first "From " line it passed.
        Lines.Unread(text.substr(passed.front()) + FromLineRead);
        text.resize(passed.front());
        FromLineRead.clear();
        Lines.ReadLine(FromLineRead);
    }
    DropSeparatorLine(text);
    text = Unquoted(text);
    return true;
}

SavedMessage MboxReader::MessageEntry(std::string text) {
    const std::string name = Name + ", message " + std::to_string(++Count);
    const std::string status = FieldValue(text, HeaderEnd(text), "X-Mozilla-Status");
    if (std::strtoul(status.c_str(), nullptr, 16) & ExpungedFlag) {
        return NoMessage(SavedMessage::Kind::Deleted, name,
                         "deleted in Thunderbird (its X-Mozilla-Status marks it expunged)");
    }
    return MessageOf(name, std::move(text));
}
