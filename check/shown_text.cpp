#include "check/shown_text.h"

#include <cstdio>
#include <string>
#include <vector>

#include "check/conversions.h"
#include "platform/text_encoding.h"
#include "platform/windows_api.h"

namespace {

// The UTF-16 units of the character at `at`: two for a surrogate pair.
size_t UnitsAt(const WideText &text, size_t at) {
    const bool pair = IsHighSurrogate(text[at]) && at + 1 < text.size();
    return pair ? 2 : 1;
}

// Columns of a character: its bytes in the code page; one a unit beyond it, two for the
// characters that East Asian consoles draw wide.
size_t ColumnsOf(const WCHAR *character, size_t units) {
    if (units == 1 && character[0] < 0x80) {
        return 1;
    }
    size_t unheld = 0;
    const std::string bytes = AnsiOf(WideText(character, units), unheld);
    if (!bytes.empty() && unheld == 0) {
        return bytes.size();
    }
    return units == 2 || character[0] >= 0x1100 ? 2 : 1;
}

// Characters that never open a line: closing marks and the small kana and the long vowel mark,
// which belong to the character before them.
bool IsClosingMark(WCHAR c) {
    const WCHAR marks[] = {L'\x3001', L'\x3002', L'\xFF0C', L'\xFF0E', L'\x300D',
                           L'\x300F', L'\xFF09', L'\xFF1A', L'\x30FC', L'\x30FB',
                           L')',      L'.',      L',',      L':',      L'"'};
    for (const WCHAR mark : marks) {
        if (c == mark) {
            return true;
        }
    }
    const WCHAR smallKana[] = {L'\x3041', L'\x3043', L'\x3045', L'\x3047', L'\x3049',
                               L'\x3063', L'\x3083', L'\x3085', L'\x3087', L'\x308E'};
    for (const WCHAR kana : smallKana) {
        // The katakana stand 0x60 after the hiragana.
        if (c == kana || c == kana + 0x60) {
            return true;
        }
    }
    return false;
}

// Characters that never close a line.
bool IsOpeningMark(WCHAR c) {
    return c == L'\x300C' || c == L'\x300E' || c == L'\xFF08' || c == L'(' || c == L'"';
}

// Whether a line may be broken before the character at `at`: at a blank (which goes), after
// one, or beside a wide character, as Japanese text breaks between any two characters; never
// before a closing mark, nor inside a surrogate pair or an ASCII word.
bool MayBreakBefore(const WideText &line, size_t at) {
    const WCHAR before = line[at - 1];
    const WCHAR here = line[at];
    if (here == L' ') {
        return true;
    }
    if (IsClosingMark(here) || IsOpeningMark(before) || IsLowSurrogate(here)) {
        return false;
    }
    return before == L' ' || before >= 0x1100 || here >= 0x1100;
}

// Where to break a line whose first `fits` units fit: the last place it may be broken after its
// indentation `lead`, or at `fits` when there is none.
size_t BreakAt(const WideText &line, size_t lead, size_t fits) {
    for (size_t at = fits; at > lead; --at) {
        if (MayBreakBefore(line, at)) {
            return at;
        }
    }
    return fits;
}

// The units of the line that fit `width` columns.
size_t FittingUnits(const WideText &line, size_t width) {
    size_t columns = 0;
    size_t at = 0;
    while (at < line.size()) {
        const size_t units = UnitsAt(line, at);
        columns += ColumnsOf(line.data() + at, units);
        if (columns > width) {
            break;
        }
        at += units;
    }
    return at;
}

// The columns that the units of the line before `end` take.
size_t ColumnsBefore(const WideText &line, size_t end) {
    size_t columns = 0;
    for (size_t at = 0; at < end; at += UnitsAt(line, at)) {
        columns += ColumnsOf(line.data() + at, UnitsAt(line, at));
    }
    return columns;
}

// The blanks that a line continuing this one starts with.
WideText ContinuedIndent(const WideText &line, size_t lead, Continued continued) {
    if (continued == Continued::Indented) {
        return WideText(lead + 2, L' ');
    }
    const size_t gap = line.find(WideText(2, L' '), line.find(L' ', lead));
    const size_t text = gap == WideText::npos ? WideText::npos : line.find_first_not_of(L' ', gap);
    return WideText(text == WideText::npos ? lead : ColumnsBefore(line, text), L' ');
}

void WrapLine(WideText line, size_t width, Continued how, WideText &out) {
    const size_t indent = line.find_first_not_of(L' ');
    const size_t lead = indent == WideText::npos ? 0 : indent;
    const WideText continued = ContinuedIndent(line, lead, how);
    size_t current = lead;
    for (;;) {
        const size_t fits = FittingUnits(line, width);
        if (fits >= line.size() || fits <= current) {
            out += line;
            out += L'\n';
            return;
        }
        const size_t cut = BreakAt(line, current, fits);
        const size_t kept = line.find_last_not_of(L' ', cut - 1);
        out.append(line, 0, kept == WideText::npos ? cut : kept + 1);
        out += L'\n';
        const size_t rest = line.find_first_not_of(L' ', cut);
        line.replace(0, rest == WideText::npos ? line.size() : rest, continued);
        current = continued.size();
    }
}

} // namespace

std::string Wrapped(const std::string &utf8, size_t width, Continued continued) {
    const WideText text = WideOf(CP_UTF8, utf8);
    WideText out;
    size_t start = 0;
    for (size_t end; (end = text.find(L'\n', start)) != WideText::npos; start = end + 1) {
        WrapLine(text.substr(start, end - start), width, continued, out);
    }
    out += text.substr(start);
    return TextOf(CP_UTF8, out);
}
