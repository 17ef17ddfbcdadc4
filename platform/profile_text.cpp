#include "platform/profile_text.h"

#include <cstring>

namespace {

// What is trimmed around lines, names and values: ASCII white space and the DOS end-of-file mark.
bool IsTrimmed(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

void TrimBlanks(const char *&begin, const char *&end) {
    while (begin < end && IsTrimmed(*begin)) {
        ++begin;
    }
    while (end > begin && IsTrimmed(end[-1])) {
        --end;
    }
}

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The name from `begin` to `end` against the wanted one, blanks around it ignored.
bool SameName(const char *begin, const char *end, const char *wanted) {
    const char *wantedEnd = wanted + std::strlen(wanted);
    TrimBlanks(wanted, wantedEnd);
    if (end - begin != wantedEnd - wanted) {
        return false;
    }
    for (; begin < end; ++begin, ++wanted) {
        if (FoldCase(*begin) != FoldCase(*wanted)) {
            return false;
        }
    }
    return true;
}

// The next line that is not blank, trimmed; false at the end of the text.
bool NextLine(const char *&next, const char *end, const char *&lineBegin, const char *&lineEnd) {
    while (next < end) {
        lineBegin = next;
        while (next < end && !IsLineBreak(*next)) {
            ++next;
        }
        lineEnd = next;
        while (next < end && IsLineBreak(*next)) {
            ++next;
        }
        TrimBlanks(lineBegin, lineEnd);
        if (lineBegin < lineEnd) {
            return true;
        }
    }
    return false;
}

// "[name]" opens a section: the name runs to the last "]" of the line; the rest is ignored.
bool IsSectionHeader(const char *begin, const char *end, const char *&name, const char *&nameEnd) {
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
    name = begin + 1;
    nameEnd = close;
    TrimBlanks(name, nameEnd);
    return true;
}

} // namespace

bool FindProfileSection(const char *text, size_t length, const char *section,
                        ProfileEntries &entries) {
    const char *end = text + length;
    if (SameName(text, text, section)) {
        entries = {text, end};
        return true;
    }
    const char *next = text;
    const char *lineBegin = nullptr;
    const char *lineEnd = nullptr;
    while (NextLine(next, end, lineBegin, lineEnd)) {
        const char *name = nullptr;
        const char *nameEnd = nullptr;
        if (IsSectionHeader(lineBegin, lineEnd, name, nameEnd) &&
            SameName(name, nameEnd, section)) {
            entries = {next, end};
            return true;
        }
    }
    return false;
}

bool NextProfileEntry(ProfileEntries &entries, ProfileEntry &entry) {
    const char *lineBegin = nullptr;
    const char *lineEnd = nullptr;
    if (!NextLine(entries.Next, entries.End, lineBegin, lineEnd)) {
        return false;
    }
    const char *name = nullptr;
    const char *nameEnd = nullptr;
    if (IsSectionHeader(lineBegin, lineEnd, name, nameEnd)) {
        entries.Next = entries.End;
        return false;
    }
    const char *equals = lineBegin;
    while (equals < lineEnd && *equals != '=') {
        ++equals;
    }
    if (equals == lineEnd) {
        entry = {lineBegin, static_cast<size_t>(lineEnd - lineBegin), lineEnd, 0, false};
        return true;
    }
    const char *valueBegin = equals + 1;
    TrimBlanks(lineBegin, equals);
    TrimBlanks(valueBegin, lineEnd);
    entry = {lineBegin, static_cast<size_t>(equals - lineBegin), valueBegin,
             static_cast<size_t>(lineEnd - valueBegin), true};
    return true;
}

bool FindProfileEntry(const char *text, size_t length, const char *section, const char *key,
                      ProfileEntry &entry) {
    ProfileEntries entries{};
    if (!FindProfileSection(text, length, section, entries)) {
        return false;
    }
    while (NextProfileEntry(entries, entry)) {
        if (SameName(entry.Name, entry.Name + entry.NameLength, key)) {
            return true;
        }
    }
    return false;
}

void TakeProfileValue(const char *&value, size_t &valueLength) {
    const char *end = value + valueLength;
    TrimBlanks(value, end);
    valueLength = static_cast<size_t>(end - value);
    if (valueLength >= 2 && (value[0] == '"' || value[0] == '\'') &&
        value[valueLength - 1] == value[0]) {
        ++value;
        valueLength -= 2;
    }
}

bool FindProfileValue(const char *text, size_t length, const char *section, const char *key,
                      const char *&value, size_t &valueLength) {
    ProfileEntry entry{};
    if (!FindProfileEntry(text, length, section, key, entry) || !entry.HasValue) {
        return false;
    }
    value = entry.Value;
    valueLength = entry.ValueLength;
    TakeProfileValue(value, valueLength);
    return true;
}
