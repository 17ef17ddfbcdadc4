#include "preview/mailbox.h"

#include "preview/mail_body.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <strings.h>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr const char *FromLine = "From ";
constexpr size_t FromLength = 5;

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

// True when the line before the one at `at` is empty.
bool FollowsEmptyLine(const std::string &bytes, size_t at) {
    return (at >= 2 && bytes[at - 2] == '\n') ||
           (at >= 3 && bytes[at - 2] == '\r' && bytes[at - 3] == '\n');
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
bool StartsMessage(const std::string &bytes, size_t at) {
    return StartsWithFrom(bytes, at) &&
           (FollowsEmptyLine(bytes, at) || ReadsAsFromLine(LineAt(bytes, at)));
}

// Where the header of the message at `start` ends: after its empty line, or at `limit`, the
// next "From " line, which no header passes.
size_t BodyStart(const std::string &bytes, size_t start, size_t limit) {
    for (size_t at = start; at < limit; at = LineEnd(bytes, at) + 1) {
        if (LineAt(bytes, at).empty()) {
            return std::min(LineEnd(bytes, at) + 1, limit);
        }
    }
    return limit;
}

// The Content-Length field's value in the header from `start` to `end`, or -1.
long long ContentLength(const std::string &bytes, size_t start, size_t end) {
    for (size_t at = start; at < end; at = LineEnd(bytes, at) + 1) {
        const std::string line = LineAt(bytes, at);
        constexpr const char *Name = "Content-Length:";
        if (strncasecmp(line.c_str(), Name, std::strlen(Name)) == 0) {
            char *last = nullptr;
            const long long length = std::strtoll(line.c_str() + std::strlen(Name), &last, 10);
            return last != line.c_str() + std::strlen(Name) && length >= 0 ? length : -1;
        }
    }
    return -1;
}

// The end of the message whose header runs from `start` to `body`, when its Content-Length
// leads to the end of the file or to the next "From " line (past the empty lines between).
size_t CountedEnd(const std::string &bytes, size_t start, size_t body) {
    const long long length = ContentLength(bytes, start, body);
    if (length < 0 || static_cast<unsigned long long>(length) > bytes.size() - body) {
        return std::string::npos;
    }
    const size_t end = body + static_cast<size_t>(length);
    size_t next = end;
    while (next < bytes.size() && (bytes[next] == '\n' || bytes[next] == '\r')) {
        ++next;
    }
    return next == bytes.size() || StartsWithFrom(bytes, next) ? end : std::string::npos;
}

// The start of the next message's "From " line after `at`, or the end.
size_t NextFromLine(const std::string &bytes, size_t at) {
    for (size_t line = LineEnd(bytes, at) + 1; line < bytes.size();
         line = LineEnd(bytes, line) + 1) {
        if (StartsMessage(bytes, line)) {
            return line;
        }
    }
    return bytes.size();
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
std::string WithoutSeparatorLine(std::string text) {
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "\n\n") == 0) {
        text.pop_back();
    } else if (text.size() >= 4 && text.compare(text.size() - 4, 4, "\r\n\r\n") == 0) {
        text.resize(text.size() - 2);
    }
    return text;
}

bool ReadWholeFile(const std::string &path, std::string &bytes) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    bytes = content.str();
    return !in.bad() && in.is_open();
}

void AddFile(const std::string &path, std::vector<SavedMessage> &messages) {
    SavedMessage file{path, {}, {}};
    if (!ReadWholeFile(path, file.Bytes)) {
        file.Error = "cannot be read";
    } else if (file.Bytes.empty()) {
        file.Error = "is empty";
    } else if (IsMbox(file.Bytes)) {
        const std::vector<std::string> parts = SplitMbox(file.Bytes);
        for (size_t i = 0; i < parts.size(); ++i) {
            messages.push_back({path + ", message " + std::to_string(i + 1), parts[i], {}});
        }
        return;
    }
    messages.push_back(std::move(file));
}

// Regular files of `folder` whose names do not start with a dot.
std::vector<fs::path> FilesIn(const fs::path &folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code statError;
        if (entry->is_regular_file(statError) && entry->path().filename().string()[0] != '.') {
            files.push_back(entry->path());
        }
    }
    return files;
}

bool IsMaildir(const fs::path &folder) {
    std::error_code error;
    return fs::is_directory(folder / "cur", error) && fs::is_directory(folder / "new", error);
}

// A Maildir file's name begins with its delivery time in seconds.
unsigned long long DeliveryTime(const fs::path &file) {
    return std::strtoull(file.filename().c_str(), nullptr, 10);
}

void AddFolder(const fs::path &folder, std::vector<SavedMessage> &messages) {
    std::vector<fs::path> files;
    if (IsMaildir(folder)) {
        files = FilesIn(folder / "cur");
        const std::vector<fs::path> fresh = FilesIn(folder / "new");
        files.insert(files.end(), fresh.begin(), fresh.end());
        std::sort(files.begin(), files.end(), [](const fs::path &a, const fs::path &b) {
            const auto left = DeliveryTime(a);
            const auto right = DeliveryTime(b);
            return left != right ? left < right : a.filename() < b.filename();
        });
    } else {
        files = FilesIn(folder);
        std::sort(files.begin(), files.end());
    }
    if (files.empty()) {
        messages.push_back({folder.string(), {}, "is a folder without messages"});
    }
    for (const fs::path &file : files) {
        AddFile(file.string(), messages);
    }
}

} // namespace

void FindSavedMessages(const std::string &path, std::vector<SavedMessage> &messages) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::exists(status)) {
        messages.push_back({path, {}, "does not exist"});
    } else if (fs::is_directory(status)) {
        AddFolder(path, messages);
    } else {
        AddFile(path, messages);
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
    // Each message is read once up to the next "From " line, and a counted one to its end: the
    // work is linear in the file, however its lines are shaped.
    for (size_t at = 0; at < bytes.size();) {
        const size_t start = std::min(LineEnd(bytes, at) + 1, bytes.size());
        const size_t next = NextFromLine(bytes, at);
        const size_t body = BodyStart(bytes, start, next);
        const size_t counted = CountedEnd(bytes, start, body);
        if (counted != std::string::npos) {
            messages.push_back(bytes.substr(start, counted - start));
            at = counted;
            while (at < bytes.size() && (bytes[at] == '\n' || bytes[at] == '\r')) {
                ++at;
            }
            continue;
        }
        messages.push_back(Unquoted(WithoutSeparatorLine(bytes.substr(start, next - start))));
        at = next;
    }
    return messages;
}
