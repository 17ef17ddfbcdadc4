#include "diagnosis/issue_layout.h"

#include <algorithm>

#include "diagnosis/characters.h"
#include "diagnosis/rules.h"
#include "viewer/issue.h"

namespace {

// A rule around a heading is a line of this many characters or more.
constexpr size_t ShortRule = 3;

// The titles that tables of contents go by.
const char *const ContentsTitles[] = {"目次",       "もくじ",   "今号の内容", "今週の内容",
                                      "本日の内容", "contents", "index"};

// The lines of a table of contents under its title, at most.
constexpr size_t LongestContents = 30;

bool IsRuleLine(const TextLine &line) { return !RuleOf(line.Characters, ShortRule).empty(); }

bool IsEmptyLine(const TextLine &line) {
    return std::all_of(line.Characters.begin(), line.Characters.end(), IsBlank);
}

// The letters and digits of a line in their lenient forms, lower case: what a heading and its
// entry in a table of contents share whatever their marks, numbers' widths and blanks.
WideText Core(const TextLine &line) {
    std::vector<size_t> from;
    WideText core;
    for (WCHAR c : LenientForm(line.Characters, from)) {
        if (IsLetter(c) || IsDigit(c)) {
            core += c >= 'A' && c <= 'Z' ? static_cast<WCHAR>(c - 'A' + 'a') : c;
        }
    }
    return core;
}

bool NamesContents(const WideText &core) {
    return std::any_of(
        std::begin(ContentsTitles), std::end(ContentsTitles),
        [&core](const char *title) { return core.find(WideOf(CP_UTF8, title)) != WideText::npos; });
}

// A sentence's end: a heading has none.
bool EndsSentence(const WideText &line) {
    const WCHAR ends[] = {0x3002, 0xFF0E, '.', '!', '?', 0xFF01, 0xFF1F};
    return std::find(std::begin(ends), std::end(ends), line.back()) != std::end(ends);
}

bool HoldsMarker(const std::string &text, const TextLine &line) {
    return std::string(text, line.Start, line.End - line.Start).find(IssueMarker) !=
           std::string::npos;
}

// Whether the line (from 1) looks like a heading: short, no sentence, after a rule or an empty
// line, opening with a mark, a bracket or a number, or framed by one rule above and below.
bool LooksLikeHeading(const std::string &text, const std::vector<TextLine> &lines, size_t line) {
    const TextLine &here = lines[line - 1];
    const WideText trimmed = TrimmedLine(here);
    if (trimmed.empty() || trimmed.size() > LongestHeading || IsBlank(trimmed[0]) ||
        EndsSentence(trimmed) || IsRuleLine(here) || HoldsMarker(text, here)) {
        return false;
    }
    const bool opens = line == 1 || IsRuleLine(lines[line - 2]) || IsEmptyLine(lines[line - 2]);
    const bool framed =
        line > 1 && line < lines.size() && IsRuleLine(lines[line - 2]) &&
        RuleOf(lines[line - 2].Characters, ShortRule) == RuleOf(lines[line].Characters, ShortRule);
    return opens && (!IsLetter(trimmed[0]) || framed);
}

// Whether the heading at `index` heads a table of contents: its lines name headings that come
// later.
bool HeadsContents(const std::vector<TextLine> &lines, const std::vector<size_t> &headings,
                   const std::vector<WideText> &cores, size_t index) {
    if (NamesContents(cores[index])) {
        return true;
    }
    size_t named = 0;
    for (size_t line = headings[index] + 1;
         line <= lines.size() && line <= headings[index] + LongestContents; ++line) {
        if (IsRuleLine(lines[line - 1]) || IsEmptyLine(lines[line - 1])) {
            break;
        }
        const WideText entry = Core(lines[line - 1]);
        for (size_t later = index + 1; later < cores.size() && !entry.empty(); ++later) {
            if (cores[later].find(entry) != WideText::npos) {
                ++named;
                break;
            }
        }
    }
    return named >= 2;
}

// Whether the heading at `index` stands again, more fully, further on: an entry of a table of
// contents, not the section's heading.
bool RecursLater(const std::vector<WideText> &cores, size_t index) {
    for (size_t later = index + 1; later < cores.size() && !cores[index].empty(); ++later) {
        if (cores[later].find(cores[index]) != WideText::npos) {
            return true;
        }
    }
    return false;
}

} // namespace

WideText TrimmedLine(const TextLine &line) {
    WideText trimmed = line.Characters;
    while (!trimmed.empty() && IsBlank(trimmed.back())) {
        trimmed.pop_back();
    }
    return trimmed;
}

std::vector<size_t> FindHeadings(const std::string &text, const std::vector<TextLine> &lines) {
    // Tables of contents are found among the candidates: so many are enough for any issue.
    std::vector<size_t> candidates;
    for (size_t line = 1; line <= lines.size() && candidates.size() < 4 * MostHeadings; ++line) {
        if (LooksLikeHeading(text, lines, line)) {
            candidates.push_back(line);
        }
    }
    std::vector<WideText> cores;
    cores.reserve(candidates.size());
    for (const size_t line : candidates) {
        cores.push_back(Core(lines[line - 1]));
    }
    std::vector<size_t> headings;
    for (size_t i = 0; i < candidates.size() && headings.size() < MostHeadings; ++i) {
        if (!HeadsContents(lines, candidates, cores, i) && !RecursLater(cores, i)) {
            headings.push_back(candidates[i]);
        }
    }
    return headings;
}
