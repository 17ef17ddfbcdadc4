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

#include "diagnosis/mail_header.h"
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
    if (!LooksLikeMessage(rest)) {
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

// The one line for a file whose reading stopped: where, and what was read before it. `cut` when
// a message was being read there, which is not shown.
SavedMessage DamageEntry(const std::string &name, const ByteSource &source, size_t messages,
                         bool cut) {
    std::string before;
    if (messages == 0) {
        before =
            cut ? "the message there is cut off: it is not shown" : "no message came before it";
    } else {
        before = messages == 1
                     ? "the message before it was read"
                     : "the " + std::to_string(messages) + " messages before it were read";
        before += cut ? std::string(", and the one after ") + (messages == 1 ? "it" : "them") +
                            " is cut off there: it is not shown"
                      : "";
    }
    return Entry(SavedMessage::Kind::Damaged, name, source.Failure() + "; " + before);
}

// What a path that is no folder and no regular file is.
std::string SpecialFileKind(const fs::file_status &status) {
    switch (status.type()) {
    case fs::file_type::fifo:
        return "a named pipe";
    case fs::file_type::socket:
        return "a socket";
    case fs::file_type::block:
        return "a block device";
    case fs::file_type::character:
        return "a character device";
    default:
        return "not a regular file";
    }
}

// Enough of the file to tell its kind: a compound file's first directory sector too.
const std::string &PeekKindBytes(PeekableSource &source) {
    const std::string &start = source.Peek(PeekBytes);
    return IsCompoundFile(start) ? source.Peek(CompoundDirectoryAt(start) + 512) : start;
}

} // namespace

// The messages of an mbox, read from a source a message at a time.
class MboxReader {
  public:
    MboxReader(std::string name, std::unique_ptr<ByteSource> source)
        : Name(std::move(name)), Source(std::move(source)), Lines(*Source) {
        Lines.ReadLine(FromLineRead);
    }

    // The next message, the next deleted one passed over, or at last what stopped the reading;
    // false at the end.
    bool Next(SavedMessage &message) {
        if (Finished) {
            return false;
        }
        std::string text;
        const bool read = ReadMessage(text);
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
    SavedMessage MessageEntry(std::string text) {
        const std::string name = Name + ", message " + std::to_string(++Count);
        const std::string status = FieldValue(text, HeaderEnd(text), "X-Mozilla-Status");
        if (std::strtoul(status.c_str(), nullptr, 16) & ExpungedFlag) {
            return Entry(SavedMessage::Kind::Deleted, name,
                         "deleted in Thunderbird (its X-Mozilla-Status marks it expunged)");
        }
        return {SavedMessage::Kind::Message, name, std::move(text), {}};
    }

    std::string Name;
    std::unique_ptr<ByteSource> Source;
    LineReader Lines;
    std::string FromLineRead; // the "From " line that starts the next message
    size_t Count = 0;
    bool Finished = false; // the end was reached, or the reading failed and was told
};

SavedMail::SavedMail(const std::vector<std::string> &paths) {
    for (const std::string &path : paths) {
        Paths.push_back({path, true});
    }
}

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
        const Path path = Paths.front();
        Paths.pop_front();
        Visit(path);
    }
}

// Only a folder or a regular file is read: a named pipe, a socket or a device is told by its
// type, without being opened, since opening or reading one may never end.
void SavedMail::Visit(const Path &path) {
    std::error_code error;
    const fs::file_status status = fs::status(path.Name, error);
    if (error || !fs::exists(status)) {
        Found.push_back(Entry(SavedMessage::Kind::Unreadable, path.Name,
                              error ? StatusProblem(error) : "does not exist"));
    } else if (fs::is_directory(status)) {
        VisitFolder(path.Name);
    } else if (fs::is_regular_file(status)) {
        VisitFile(path);
    } else if (path.Named) {
        Found.push_back(Entry(SavedMessage::Kind::Unreadable, path.Name,
                              "is " + SpecialFileKind(status) + ", not a file: it is not read"));
    } else {
        Refuse(path, path.Name, SpecialFileKind(status) + ", which is not opened");
    }
}

void SavedMail::Refuse(const Path &path, const std::string &name, const std::string &what) {
    Found.push_back(path.Named ? Entry(SavedMessage::Kind::Unreadable, name, "is " + what)
                               : Entry(SavedMessage::Kind::NotMessage, name, what));
}

void SavedMail::VisitFolder(const std::string &path) {
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
        Found.push_back(Entry(SavedMessage::Kind::Empty, path, "a folder without messages"));
    }
    // Depth first, in order: the folder's entries come before the paths after it.
    Paths.insert(Paths.begin(), entries.size(), Path{});
    for (size_t i = 0; i < entries.size(); ++i) {
        Paths[i] = {entries[i].string(), false};
    }
}

void SavedMail::VisitFile(const Path &path) {
    std::string error;
    std::unique_ptr<ByteSource> opened = OpenFileSource(path.Name, error);
    if (opened == nullptr) {
        Found.push_back(Entry(SavedMessage::Kind::Unreadable, path.Name, error));
        return;
    }
    auto source = std::make_unique<PeekableSource>(std::move(opened));
    FileKind kind = KindOfFile(path.Name, PeekKindBytes(*source));
    std::string name = path.Name;
    if (kind.Group == FileKindGroup::Compressed) {
        name += " (" + kind.Description + ")";
        source = std::make_unique<PeekableSource>(Decompressed(std::move(source), kind.With));
        kind = KindOfFile(path.Name, PeekKindBytes(*source));
    }
    if (kind.Group == FileKindGroup::Unreadable || kind.Group == FileKindGroup::Compressed) {
        Found.push_back(
            Entry(SavedMessage::Kind::Unreadable, name,
                  "is " + kind.Description + (kind.Advice.empty() ? "" : ": " + kind.Advice)));
        return;
    }
    if (kind.Group == FileKindGroup::NotMessage) {
        Refuse(path, name, path.Named ? "not mail: " + kind.Description : kind.Description);
        return;
    }
    const std::string &start = source->Peek(PeekBytes);
    if (IsMbox(start)) {
        Mailbox = std::make_unique<MboxReader>(name, std::move(source));
        return;
    }
    if (!source->Failure().empty() && !(source->FailedAfterEnd() && !start.empty())) {
        Found.push_back(DamageEntry(name, *source, 0, !start.empty()));
        return;
    }
    if (start.empty()) {
        Refuse(path, name, "an empty file");
        return;
    }
    SavedMessage message{SavedMessage::Kind::Message, name, {}, {}};
    // Held at its size from the start: grown as read, it would be copied as it grows.
    std::error_code sizeError;
    const auto size = fs::file_size(path.Name, sizeError);
    if (!sizeError && name == path.Name) {
        message.Bytes.reserve(static_cast<size_t>(size));
    }
    if (!ReadAll(*source, message.Bytes) && !source->FailedAfterEnd()) {
        Found.push_back(DamageEntry(name, *source, 0, true));
        return;
    }
    std::string emlx;
    if (EmlxMessage(message.Bytes, emlx)) {
        message.Bytes = std::move(emlx);
    } else if (!LooksLikeMessage(message.Bytes) && message.Bytes.find('\0') != std::string::npos &&
               ByteOrderMarkOf(message.Bytes.data(), message.Bytes.size()) == ByteOrderMark::None) {
        Refuse(path, name, path.Named ? "not mail: binary data, no text" : "binary data, no text");
        return;
    }
    if (!path.Named && IsTrashedInMaildir(path.Name)) {
        Found.push_back(Entry(SavedMessage::Kind::Deleted, name,
                              "deleted (its Maildir flags mark it trashed)"));
        return;
    }
    Found.push_back(std::move(message));
    if (!source->Failure().empty()) {
        Found.push_back(DamageEntry(name, *source, 1, false));
    }
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
