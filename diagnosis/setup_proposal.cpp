#include "diagnosis/setup_proposal.h"

#include <algorithm>
#include <cstring>

#include "diagnosis/advised_text.h"
#include "diagnosis/caption_form.h"
#include "diagnosis/characters.h"
#include "diagnosis/issue_layout.h"
#include "diagnosis/rules.h"
#include "diagnosis/section_shape.h"
#include "diagnosis/text_advice.h"
#include "viewer/caption.h"

namespace {

// A number that heads a heading stands within its first characters: 【１】, ■1., 第2回.
constexpr size_t NumberWithin = 4;

// The longest beginning of a rule tried as a separator, which the settings must hold.
constexpr size_t LongestSeparator = 120;

// The separators tried, at most.
constexpr size_t MostSeparators = 24;

// The heading's bytes less the blanks at its end.
std::string HeadingBytes(const std::string &text, const TextLine &line) {
    const size_t characters = TrimmedLine(line).size();
    return text.substr(line.Start, line.Bytes[characters] - line.Start);
}

// Where the heading's first run of digits ends (a character's index), or 0 when none stands
// within its first characters.
size_t NumberEnd(const TextLine &line) {
    size_t at = 0;
    while (at < NumberWithin && at < line.Characters.size() && !IsDigit(line.Characters[at])) {
        ++at;
    }
    if (at == NumberWithin || at == line.Characters.size()) {
        return 0;
    }
    while (at < line.Characters.size() && IsDigit(line.Characters[at])) {
        ++at;
    }
    return at;
}

// The keyword whose caption starts at the character `first` of the heading, where the bytes that
// the caption leaves out are characters of the heading's line (its marks, its number) or the line
// break above it; false when there is none, or it is found first elsewhere.
bool CaptionFrom(const AdvisedText &text, const TextLine &heading, const std::string &whole,
                 size_t first, std::string &form) {
    const auto skip = static_cast<size_t>(ExcerptSkip);
    // The line break above is two bytes: the heading's first line has none.
    const size_t earliest = heading.Start >= 2 ? heading.Start - 2 : heading.Start;
    if (first >= heading.Characters.size() || heading.Bytes[first] < earliest + skip) {
        return false;
    }
    const size_t start = heading.Bytes[first] - skip;
    const bool onLine = start >= heading.Start &&
                        std::binary_search(heading.Bytes.begin(), heading.Bytes.end(), start);
    const bool afterBreak = heading.Start >= 2 && start + 2 == heading.Start &&
                            text.Bytes.compare(start, 2, "\r\n") == 0;
    if (!onLine && !afterBreak) {
        return false;
    }
    const std::string candidate = onLine ? whole.substr(start - heading.Start) : "\r\n" + whole;
    if (CutsCaption(candidate) || !FoundAt(text, 0, candidate, start)) {
        return false;
    }
    form = candidate;
    return true;
}

// The keyword whose caption starts at the heading's first letter, or at the blank before it.
bool LetterCaptionForm(const AdvisedText &text, const TextLine &heading, const std::string &whole,
                       std::string &form) {
    size_t letter = 0;
    while (letter < heading.Characters.size() && !IsLetter(heading.Characters[letter])) {
        ++letter;
    }
    const bool blank =
        letter > 0 && letter < heading.Characters.size() && IsBlank(heading.Characters[letter - 1]);
    return CaptionFrom(text, heading, whole, letter, form) ||
           (blank && CaptionFrom(text, heading, whole, letter - 1, form));
}

// Where the heading's words stand first in a table of contents too, the rule right above the
// heading tells them apart: the keyword starts with its last ExcerptSkip - 2 bytes and the line
// break, and its caption is the heading whole.
bool AfterRuleForm(const AdvisedText &text, size_t line, const std::string &whole,
                   std::string &form) {
    const auto lead = static_cast<size_t>(ExcerptSkip) - 2;
    if (line < 2 || RuleOf(text.Lines[line - 2].Characters, RuleLength).empty()) {
        return false;
    }
    const TextLine &rule = text.Lines[line - 2];
    const TextLine &heading = text.Lines[line - 1];
    const bool whole2 = rule.End >= rule.Start + lead &&
                        std::binary_search(rule.Bytes.begin(), rule.Bytes.end(), rule.End - lead);
    if (!whole2 || heading.Start != rule.End + 2) {
        return false;
    }
    const std::string candidate = text.Bytes.substr(rule.End - lead, lead) + "\r\n" + whole;
    if (CutsCaption(candidate) || !FoundAt(text, 0, candidate, rule.End - lead)) {
        return false;
    }
    form = candidate;
    return true;
}

// The keyword for the heading at `line`, without the heading's number where that still finds
// the heading with a whole caption; else the one whose caption starts at the heading's first
// letter; else the heading whole (with the line break before it where its caption needs it);
// else the heading after the end of the rule above it. False when no form reads whole.
bool KeywordFor(const AdvisedText &text, size_t line, ProposedSection &section) {
    const TextLine &heading = text.Lines[line - 1];
    const std::string whole = HeadingBytes(text.Bytes, heading);
    const size_t numberEnd = NumberEnd(heading);
    if (numberEnd > 0 && numberEnd < TrimmedLine(heading).size()) {
        const size_t from = heading.Bytes[numberEnd];
        const std::string rest = whole.substr(from - heading.Start);
        if (!CutsCaption(rest) && FoundAt(text, 0, rest, from)) {
            section.Keyword = rest;
            section.WithoutNumber = true;
            return true;
        }
        size_t first = 0;
        while (!IsDigit(heading.Characters[first])) {
            ++first;
        }
        section.Number = text.Bytes.substr(heading.Bytes[first],
                                           heading.Bytes[numberEnd] - heading.Bytes[first]);
    }
    return LetterCaptionForm(text, heading, whole, section.Keyword) ||
           WholeCaptionForm(text, 0, heading.Start, whole, section.Keyword) ||
           AfterRuleForm(text, line, whole, section.Keyword);
}

void Add(const std::string &candidate, std::vector<std::string> &candidates) {
    if (!candidate.empty() && candidates.size() < MostSeparators &&
        std::find(candidates.begin(), candidates.end(), candidate) == candidates.end()) {
        candidates.push_back(candidate);
    }
}

// The sections' keywords and the lines of their headings.
struct Sections {
    const AdvisedText &Text;
    const std::vector<std::string> &Keywords;
    std::vector<size_t> Lines; // where each keyword is found, from 1; 0 for none
};

Sections SectionsOf(const AdvisedText &text, const std::vector<std::string> &keywords) {
    Sections sections{text, keywords, {}};
    for (const std::string &keyword : keywords) {
        const TextJudgement judged = Judge(text.Bytes, WithKeyword(text.Settings, 0, keyword));
        const KeywordJudgement *found = KeywordOf(judged, 0);
        sections.Lines.push_back(found != nullptr ? found->Line : 0);
    }
    return sections;
}

// The longest beginning that two rules share.
WideText SharedBeginning(const WideText &one, const WideText &other) {
    size_t length = 0;
    while (length < one.size() && length < other.size() && one[length] == other[length]) {
        ++length;
    }
    return one.substr(0, length);
}

// The separators to try, in the order a tie prefers them: the current one; the beginnings of
// the rules that follow sections, and what two kinds of them begin with alike; the marks that
// open more than one heading, then the others; the rules whole.
std::vector<std::string> SeparatorCandidates(const Sections &sections) {
    const AdvisedText &text = sections.Text;
    std::vector<std::string> candidates;
    Add(text.Settings.SeparatorText + 1, candidates);
    std::vector<WideText> rules;
    std::vector<WideText> marks;
    for (const size_t found : sections.Lines) {
        if (found == 0) {
            continue;
        }
        for (size_t line = found; line < text.Lines.size(); ++line) {
            const WideText rule = RuleOf(text.Lines[line].Characters, RuleLength);
            if (!rule.empty()) {
                rules.push_back(rule);
                break;
            }
        }
        const WideText heading = text.Lines[found - 1].Characters;
        if (!heading.empty() && !IsLetter(heading[0]) && !IsDigit(heading[0]) &&
            !IsBlank(heading[0])) {
            marks.push_back(heading.substr(0, 1));
        }
    }
    for (const WideText &rule : rules) {
        Add(AnsiOfWide(rule.substr(0, std::min(RuleLength, rule.size()))), candidates);
    }
    for (const WideText &rule : rules) {
        for (const WideText &other : rules) {
            Add(AnsiOfWide(SharedBeginning(rule, other)), candidates);
        }
    }
    for (const WideText &mark : marks) {
        if (std::count(marks.begin(), marks.end(), mark) > 1) {
            Add(AnsiOfWide(mark), candidates);
        }
    }
    for (const WideText &mark : marks) {
        Add(AnsiOfWide(mark), candidates);
    }
    for (const WideText &rule : rules) {
        Add(AnsiOfWide(rule.substr(0, std::min(LongestSeparator, rule.size()))), candidates);
    }
    return candidates;
}

// Whether the section of the keyword (its `index`) takes in the heading of another.
bool TakesInAnother(const Sections &sections, size_t index, const KeywordJudgement &judged) {
    const size_t last = LineAt(sections.Text.Lines, judged.End);
    return std::any_of(sections.Lines.begin(), sections.Lines.end(),
                       [&](size_t line) { return line > sections.Lines[index] && line <= last; });
}

// What becomes of the section of keyword `index` with the separator.
SectionFate FateOf(const Sections &sections, size_t index, const std::string &separator,
                   size_t &boxes) {
    const AdvisedText &text = sections.Text;
    const std::string &keyword = sections.Keywords[index];
    const PluginSettings settings =
        WithSeparator(WithKeyword(text.Settings, 0, keyword), separator);
    const TextJudgement judgement = Judge(text.Bytes, settings);
    const KeywordJudgement *judged = KeywordOf(judgement, 0);
    boxes = judged != nullptr ? judged->Boxes : 0;
    if (judged == nullptr || judged->Outcome != KeywordOutcome::Shown) {
        return SectionFate::NoSeparator;
    }
    switch (ShapeOf(text, keyword.c_str(), *judged)) {
    case Shape::Good:
        return TakesInAnother(sections, index, *judged) ? SectionFate::RunsOn : SectionFate::Shows;
    case Shape::RunsOn:
        return SectionFate::RunsOn;
    case Shape::HeadingOnly:
    case Shape::NotShown:
        break;
    }
    return SectionFate::HeadingOnly;
}

int SectionsShown(const Sections &sections, const std::string &separator) {
    int shown = 0;
    for (size_t i = 0; i < sections.Keywords.size(); ++i) {
        size_t boxes = 0;
        shown += FateOf(sections, i, separator, boxes) == SectionFate::Shows ? 1 : 0;
    }
    return shown;
}

std::string Best(const Sections &sections, int &shown) {
    std::string best = sections.Text.Settings.SeparatorText + 1;
    shown = -1;
    for (const std::string &candidate : SeparatorCandidates(sections)) {
        const int count = SeparatorFits(candidate) ? SectionsShown(sections, candidate) : -1;
        if (count > shown) {
            shown = count;
            best = candidate;
        }
    }
    shown = std::max(shown, 0);
    return best;
}

} // namespace

SetupProposal ProposeSetup(const std::string &whole, const PluginSettings &current) {
    SetupProposal proposal{{}, current.SeparatorText + 1, 0};
    const size_t length = std::strlen(whole.c_str());
    if (length > LargestAdvisedText) {
        return proposal;
    }
    const std::string bytes = whole.substr(0, length);
    const std::vector<TextLine> lines = LinesOf(bytes);
    const AdvisedText text{bytes, lines, current};
    std::vector<std::string> keywords;
    for (const size_t line : FindHeadings(bytes, lines)) {
        ProposedSection section{line, {}, {}, {}, false, 0, SectionFate::Shows};
        if (KeywordFor(text, line, section)) {
            section.Caption = CaptionOf(section.Keyword.c_str());
            keywords.push_back(section.Keyword);
            proposal.Sections.push_back(section);
        }
    }
    const Sections sections = SectionsOf(text, keywords);
    proposal.Separator = Best(sections, proposal.Shown);
    for (size_t i = 0; i < proposal.Sections.size(); ++i) {
        ProposedSection &section = proposal.Sections[i];
        section.Fate = FateOf(sections, i, proposal.Separator, section.Boxes);
    }
    return proposal;
}

std::string BestSeparator(const std::string &text, const std::vector<std::string> &keywords,
                          const PluginSettings &current, int &shown) {
    const std::vector<TextLine> lines = LinesOf(text);
    const AdvisedText advised{text, lines, current};
    return Best(SectionsOf(advised, keywords), shown);
}

std::string SettingsFileText(const std::vector<std::string> &comments,
                             const std::vector<std::string> &keywords, const std::string &separator,
                             int pageLines) {
    std::string file;
    for (const std::string &comment : comments) {
        file += "; " + comment + "\r\n";
    }
    file += std::string("[") + SettingsSection + "]\r\n";
    char key[KeywordKeySize];
    for (size_t i = 0; i < keywords.size() && i < static_cast<size_t>(KeywordCount); ++i) {
        KeywordKey(static_cast<int>(i), key);
        file += std::string(key) + "=" + WrittenValue(keywords[i]) + "\r\n";
    }
    file += "separator=" + WrittenValue(separator) + "\r\n";
    file += "line=" + std::to_string(pageLines) + "\r\n";
    return file;
}
