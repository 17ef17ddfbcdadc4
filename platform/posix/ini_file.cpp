#include "platform/posix/ini_file.h"

#include <cstdio>
#include <cstring>
#include <strings.h>

namespace {

// Blanks around lines, names and values: ASCII white space and the DOS end-of-file mark.
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

void TrimBlanks(const char *&begin, const char *&end) {
    while (begin < end && IsBlank(*begin)) {
        ++begin;
    }
    while (end > begin && IsBlank(end[-1])) {
        --end;
    }
}

std::string Trimmed(const char *begin, const char *end) {
    TrimBlanks(begin, end);
    return std::string(begin, end);
}

bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

// "[name]" opens a section: the name runs to the last "]" of the line; the rest is ignored.
bool ParseSectionHeader(const char *begin, const char *end, IniFile &file) {
    if (*begin != '[') {
        return false;
    }
    const char *close = end - 1;
    while (close > begin && *close != ']') {
        --close;
    }
    if (close == begin) {
        return false;
    }
    file.push_back({Trimmed(begin + 1, close), {}});
    return true;
}

IniEntry ParseEntry(const char *begin, const char *end) {
    const char *equals = begin;
    while (equals < end && *equals != '=') {
        ++equals;
    }
    if (equals == end) {
        return {std::string(begin, end), {}, false};
    }
    return {Trimmed(begin, equals), Trimmed(equals + 1, end), true};
}

bool SameName(const std::string &name, const std::string &wanted) {
    return strcasecmp(name.c_str(), wanted.c_str()) == 0;
}

} // namespace

IniFile ParseIniText(const std::string &text) {
    IniFile file{{"", {}}};
    const char *next = text.data();
    const char *const stop = next + text.size();
    while (next < stop) {
        const char *begin = next;
        while (next < stop && !IsLineBreak(*next)) {
            ++next;
        }
        const char *end = next;
        while (next < stop && IsLineBreak(*next)) {
            ++next;
        }
        TrimBlanks(begin, end);
        if (begin == end || ParseSectionHeader(begin, end, file)) {
            continue;
        }
        file.back().Entries.push_back(ParseEntry(begin, end));
    }
    return file;
}

bool ReadIniFile(const std::string &posixPath, IniFile &file) {
    FILE *stream = std::fopen(posixPath.c_str(), "rb");
    if (stream == nullptr) {
        return false;
    }
    std::string text;
    char chunk[4096];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, stream)) > 0) {
        text.append(chunk, got);
    }
    const bool readWhole = !std::ferror(stream);
    std::fclose(stream);
    if (readWhole) {
        file = ParseIniText(text);
    }
    return readWhole;
}

const IniSection *FindIniSection(const IniFile &file, const char *section) {
    const std::string wanted = Trimmed(section, section + std::strlen(section));
    // Only the first section of a name counts; a repeated header is never searched.
    for (const IniSection &candidate : file) {
        if (SameName(candidate.Name, wanted)) {
            return &candidate;
        }
    }
    return nullptr;
}

const IniEntry *FindIniEntry(const IniFile &file, const char *section, const char *key) {
    const IniSection *found = FindIniSection(file, section);
    if (found == nullptr) {
        return nullptr;
    }
    const std::string wanted = Trimmed(key, key + std::strlen(key));
    for (const IniEntry &entry : found->Entries) {
        if (SameName(entry.Name, wanted)) {
            return &entry;
        }
    }
    return nullptr;
}
