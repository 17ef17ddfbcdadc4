#include "preview/mailbox.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <strings.h>
#include <system_error>

#include "platform/text_encoding.h"
#include "preview/byte_source.h"
#include "preview/file_kind.h"
#include "preview/mail_body.h"

namespace fs = std::filesystem;

namespace {

constexpr const char *FromLine = "From ";
constexpr size_t FromLength = 5;
// Enough of a file to tell what it is, and an mbox's first lines.
constexpr size_t PeekBytes = 4096;
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
// mbox writer leaves one, or one that reads as a real "From " line.
bool StartsMessage(const std::string &bytes, size_t at, bool afterEmptyLine) {
    return StartsWithFrom(bytes, at) && (afterEmptyLine || ReadsAsFromLine(LineAt(bytes, at)));
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

// An Apple Mail .emlx: a line with the message's length in bytes, the message, then a property
// list. False when the bytes are not one.
bool EmlxMessage(const std::string &bytes, std::string &message) {
    const size_t lineEnd = bytes.find('\n');
    const std::string count = lineEnd == std::string::npos ? "" : bytes.substr(0, lineEnd);
    const size_t digits = count.find_first_not_of(" \t");
    if (digits == std::string::npos || !std::isdigit(static_cast<unsigned char>(count[digits])) ||
        count.find_first_not_of("0123456789 \t\r") != std::string::npos) {
        return false;
    }
    const unsigned long long length = std::strtoull(count.c_str(), nullptr, 10);
    const std::string rest = bytes.substr(lineEnd + 1, static_cast<size_t>(length));
    if (!LooksLikeMessage("", rest)) {
        return false;
    }
    message = rest;
    return true;
}

// A Maildir file's flags follow ":2," in its name; "T" is Trashed, deleted but not yet purged.
bool IsTrashedInMaildir(const std::string &path) {
    const size_t info = path.rfind(":2,");
    return info != std::string::npos && path.find('/', info) == std::string::npos &&
           path.find('T', info + 3) != std::string::npos;
}

// A Maildir file's name begins with its delivery time in seconds.
unsigned long long DeliveryTime(const fs::path &file) {
    return std::strtoull(file.filename().c_str(), nullptr, 10);
}

bool IsHidden(const fs::path &path) { return path.filename().string()[0] == '.'; }

// The entries of a folder that are not hidden, or none when it cannot be listed.
std::vector<fs::path> EntriesOf(const fs::path &folder) {
    std::vector<fs::path> entries;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (!IsHidden(entry->path())) {
            entries.push_back(entry->path());
        }
    }
    return entries;
}

bool IsFolder(const fs::path &path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool IsMaildir(const fs::path &folder) {
    return IsFolder(folder / "cur") || IsFolder(folder / "new");
}

// A Maildir's messages, in delivery order.
std::vector<fs::path> MaildirMessages(const fs::path &folder) {
    std::vector<fs::path> files;
    for (const char *part : {"cur", "new"}) {
        for (const fs::path &file : EntriesOf(folder / part)) {
            if (!IsFolder(file)) {
                files.push_back(file);
            }
        }
    }
    std::sort(files.begin(), files.end(), [](const fs::path &a, const fs::path &b) {
        const auto left = DeliveryTime(a);
        const auto right = DeliveryTime(b);
        return left != right ? left < right : a.filename() < b.filename();
    });
    return files;
}

// Why a path that cannot be looked at cannot.
std::string StatusProblem(const std::error_code &error) {
    if (error.value() == ELOOP) {
        return "is a symbolic link loop";
    }
    if (error.value() == ENOENT) {
        return "does not exist";
    }
    return "cannot be looked at (" + error.message() + ")";
}

SavedMessage Entry(SavedMessage::Kind kind, std::string name, std::string reason) {
    return {kind, std::move(name), {}, std::move(reason)};
}

bool ReadAll(ByteSource &source, std::string &bytes) {
    char piece[64 * 1024];
    for (size_t got; (got = source.Read(piece, sizeof piece)) > 0;) {
        bytes.append(piece, got);
    }
    return source.Failure().empty();
}

} // namespace

// The messages of an mbox, read from a source a message at a time.
class MboxReader {
  public:
    MboxReader(std::string name, std::unique_ptr<ByteSource> source)
        : Name(std::move(name)), Source(std::move(source)), Lines(*Source) {
        Lines.ReadLine(FromLineRead);
    }

    // The next message, or the next deleted one passed over; false at the end.
    bool Next(SavedMessage &message) {
        std::string text;
        if (!ReadMessage(text)) {
            const std::string failure = Source->Failure();
            if (!failure.empty()) {
                message = Entry(SavedMessage::Kind::Unreadable, Name, failure);
                return true;
            }
            return false;
        }
        const std::string name = Name + ", message " + std::to_string(++Count);
        const std::string status = FieldValue(text, HeaderEnd(text), "X-Mozilla-Status");
        if (std::strtoul(status.c_str(), nullptr, 16) & ExpungedFlag) {
            message = Entry(SavedMessage::Kind::Deleted, name,
                            "deleted in Thunderbird (its X-Mozilla-Status marks it expunged)");
        } else {
            message = {SavedMessage::Kind::Message, name, std::move(text), {}};
        }
        return true;
    }

    // The next message's text, its "From " line taken off; false at the end. A message ends at
    // the next "From " line, or where its Content-Length says when that leads to one; the count
    // is followed only as far as the line it leads to, so that a message is held, never more.
    bool ReadMessage(std::string &text) {
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

  private:
    std::string Name;
    std::unique_ptr<ByteSource> Source;
    LineReader Lines;
    std::string FromLineRead; // the "From " line that starts the next message
    size_t Count = 0;
};

SavedMail::SavedMail(const std::vector<std::string> &paths) : Paths(paths.begin(), paths.end()) {}

SavedMail::~SavedMail() = default;

bool SavedMail::Next(SavedMessage &message) {
    for (;;) {
        if (!Found.empty()) {
            message = std::move(Found.front());
            Found.pop_front();
            return true;
        }
        if (Mailbox != nullptr) {
            if (Mailbox->Next(message)) {
                return true;
            }
            Mailbox.reset();
        }
        if (Paths.empty()) {
            return false;
        }
        const std::string path = Paths.front();
        Paths.pop_front();
        Visit(path, Found);
    }
}

void SavedMail::Visit(const std::string &path, std::deque<SavedMessage> &found) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) {
        found.push_back(Entry(SavedMessage::Kind::Unreadable, path,
                              error ? StatusProblem(error) : "does not exist"));
    } else if (fs::is_directory(status)) {
        VisitFolder(path, found);
    } else {
        VisitFile(path, found);
    }
}

void SavedMail::VisitFolder(const std::string &path, std::deque<SavedMessage> &found) {
    std::error_code error;
    const fs::path real = fs::canonical(path, error);
    if (!error && !FoldersSeen.insert(real.string()).second) {
        return;
    }
    std::vector<fs::path> entries;
    if (IsMaildir(path)) {
        entries = MaildirMessages(path);
    } else {
        entries = EntriesOf(path);
        std::sort(entries.begin(), entries.end());
    }
    if (entries.empty()) {
        found.push_back(Entry(SavedMessage::Kind::Empty, path, "a folder without messages"));
    }
    // Depth first, in order: the folder's entries come before the paths after it.
    Paths.insert(Paths.begin(), entries.size(), std::string());
    for (size_t i = 0; i < entries.size(); ++i) {
        Paths[i] = entries[i].string();
    }
}

void SavedMail::VisitFile(const std::string &path, std::deque<SavedMessage> &found) {
    std::string error;
    std::unique_ptr<ByteSource> opened = OpenFileSource(path, error);
    if (opened == nullptr) {
        found.push_back(Entry(SavedMessage::Kind::Unreadable, path, error));
        return;
    }
    auto source = std::make_unique<PeekableSource>(std::move(opened));
    FileKind kind = KindOfFile(path, source->Peek(PeekBytes));
    std::string name = path;
    const bool compressed = kind.Group == FileKindGroup::Compressed;
    if (compressed) {
        name += " (" + kind.Description + ")";
        source = std::make_unique<PeekableSource>(Decompressed(std::move(source), kind.With));
        kind = KindOfFile(path, source->Peek(PeekBytes));
    }
    if (kind.Group == FileKindGroup::Unreadable || kind.Group == FileKindGroup::Compressed) {
        found.push_back(
            Entry(SavedMessage::Kind::Unreadable, name,
                  "is " + kind.Description + (kind.Advice.empty() ? "" : ": " + kind.Advice)));
        return;
    }
    if (kind.Group == FileKindGroup::NotMessage) {
        found.push_back(Entry(SavedMessage::Kind::NotMessage, name, kind.Description));
        return;
    }
    const std::string &start = source->Peek(PeekBytes);
    if (start.empty()) {
        const std::string failure = source->Failure();
        found.push_back(failure.empty() ? Entry(SavedMessage::Kind::Empty, name, "an empty mailbox")
                                        : Entry(SavedMessage::Kind::Unreadable, name, failure));
        return;
    }
    if (IsMbox(start)) {
        Mailbox = std::make_unique<MboxReader>(name, std::move(source));
        return;
    }
    SavedMessage message{SavedMessage::Kind::Message, name, {}, {}};
    // Held at its size from the start: grown as read, it would be copied as it grows.
    std::error_code sizeError;
    const auto size = fs::file_size(path, sizeError);
    if (!sizeError && !compressed) {
        message.Bytes.reserve(static_cast<size_t>(size));
    }
    if (!ReadAll(*source, message.Bytes)) {
        found.push_back(Entry(SavedMessage::Kind::Unreadable, name, source->Failure()));
        return;
    }
    std::string emlx;
    if (EmlxMessage(message.Bytes, emlx)) {
        message.Bytes = std::move(emlx);
    } else if (message.Bytes.find('\0') != std::string::npos &&
               ByteOrderMarkOf(message.Bytes.data(), message.Bytes.size()) == ByteOrderMark::None) {
        found.push_back(Entry(SavedMessage::Kind::NotMessage, name, "binary data, no text"));
        return;
    }
    if (IsTrashedInMaildir(path)) {
        found.push_back(Entry(SavedMessage::Kind::Deleted, name,
                              "deleted (its Maildir flags mark it trashed)"));
        return;
    }
    found.push_back(std::move(message));
}

bool IsMbox(const std::string &bytes) {
    if (!StartsWithFrom(bytes, 0)) {
        return false;
    }
    const size_t second = LineEnd(bytes, 0) + 1;
    return second < bytes.size() && IsFieldLine(LineAt(bytes, second));
}

std::vector<std::string> SplitMbox(const std::string &bytes) {
    std::vector<std::string> messages;
    MboxReader reader("", StringSource(bytes));
    for (std::string text; reader.ReadMessage(text);) {
        messages.push_back(text);
    }
    return messages;
}
