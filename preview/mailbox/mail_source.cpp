#include "preview/mailbox/mail_source.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <strings.h>
#include <system_error>

#include "mail/header_block.h"
#include "platform/text_encoding.h"
#include "preview/mailbox/byte_source.h"
#include "preview/mailbox/file_kind.h"
#include "preview/mailbox/mbox_reader.h"

namespace fs = std::filesystem;

namespace {

// Enough of a file to tell what it is, and an mbox's first lines.
constexpr size_t PeekBytes = 4096;

// An Apple Mail .emlx: a line with the message's length in bytes, the message, then a property
// list. False when the bytes are not one.
bool EmlxMessage(const std::string &bytes, std::string &message, MailHeader &header) {
    const size_t lineEnd = bytes.find('\n');
    const std::string count = lineEnd == std::string::npos ? "" : bytes.substr(0, lineEnd);
    const size_t digits = count.find_first_not_of(" \t");
    if (digits == std::string::npos || !std::isdigit(static_cast<unsigned char>(count[digits])) ||
        count.find_first_not_of("0123456789 \t\r") != std::string::npos) {
        return false;
    }
    const unsigned long long length = std::strtoull(count.c_str(), nullptr, 10);
    const std::string rest = bytes.substr(lineEnd + 1, static_cast<size_t>(length));
    if (!FindMailHeader(rest, header)) {
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

bool ReadAll(ByteSource &source, std::string &bytes) {
    char piece[64 * 1024];
    for (size_t got; (got = source.Read(piece, sizeof piece)) > 0;) {
        bytes.append(piece, got);
    }
    return source.Failure().empty();
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

MailSource::MailSource(const std::vector<std::string> &paths) {
    for (const std::string &path : paths) {
        Paths.push_back({path, true});
    }
}

MailSource::~MailSource() = default;

bool MailSource::Next(SavedMessage &message) {
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
void MailSource::Visit(const Path &path) {
    std::error_code error;
    const fs::file_status status = fs::status(path.Name, error);
    if (error || !fs::exists(status)) {
        Found.push_back(NoMessage(SavedMessage::Kind::Unreadable, path.Name,
                                  error ? StatusProblem(error) : "does not exist"));
    } else if (fs::is_directory(status)) {
        VisitFolder(path.Name);
    } else if (fs::is_regular_file(status)) {
        VisitFile(path);
    } else if (path.Named) {
        Found.push_back(
            NoMessage(SavedMessage::Kind::Unreadable, path.Name,
                      "is " + SpecialFileKind(status) + ", not a file: it is not read"));
    } else {
        Refuse(path, path.Name, SpecialFileKind(status) + ", which is not opened");
    }
}

void MailSource::Refuse(const Path &path, const std::string &name, const std::string &what) {
    Found.push_back(path.Named ? NoMessage(SavedMessage::Kind::Unreadable, name, "is " + what)
                               : NoMessage(SavedMessage::Kind::NotMessage, name, what));
}

void MailSource::VisitFolder(const std::string &path) {
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
        Found.push_back(NoMessage(SavedMessage::Kind::Empty, path, "a folder without messages"));
    }
    // Depth first, in order: the folder's entries come before the paths after it.
    Paths.insert(Paths.begin(), entries.size(), Path{});
    for (size_t i = 0; i < entries.size(); ++i) {
        Paths[i] = {entries[i].string(), false};
    }
}

void MailSource::VisitFile(const Path &path) {
    std::string error;
    std::unique_ptr<ByteSource> opened = OpenFileSource(path.Name, error);
    if (opened == nullptr) {
        Found.push_back(NoMessage(SavedMessage::Kind::Unreadable, path.Name, error));
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
            NoMessage(SavedMessage::Kind::Unreadable, name,
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
    std::string bytes;
    // Held at its size from the start: grown as read, it would be copied as it grows.
    std::error_code sizeError;
    const auto size = fs::file_size(path.Name, sizeError);
    if (!sizeError && name == path.Name) {
        bytes.reserve(static_cast<size_t>(size));
    }
    if (!ReadAll(*source, bytes) && !source->FailedAfterEnd()) {
        Found.push_back(DamageEntry(name, *source, 0, true));
        return;
    }
    SavedMessage message;
    std::string emlx;
    MailHeader header{};
    if (EmlxMessage(bytes, emlx, header)) {
        message = {SavedMessage::Kind::Message, name, std::move(emlx), {}, true, header};
    } else {
        message = MessageOf(name, std::move(bytes));
    }
    // A body of text holds no NUL; a message may, which its header tells.
    if (!message.IsMail && message.Bytes.find('\0') != std::string::npos &&
        SavedEncodingOf(message.Bytes.data(), message.Bytes.size(), false) == SavedEncoding::Ansi) {
        Refuse(path, name, path.Named ? "not mail: binary data, no text" : "binary data, no text");
        return;
    }
    if (!path.Named && IsTrashedInMaildir(path.Name)) {
        Found.push_back(NoMessage(SavedMessage::Kind::Deleted, name,
                                  "deleted (its Maildir flags mark it trashed)"));
        return;
    }
    Found.push_back(std::move(message));
    if (!source->Failure().empty()) {
        Found.push_back(DamageEntry(name, *source, 1, false));
    }
}
