#include "diagnosis/section_fates.h"

#include <algorithm>

#include "diagnosis/section_shape.h"
#include "settings/settings_text.h"

namespace {

// The separators tried for one issue's layout, at most, and the characters of a short beginning.
constexpr size_t MostSeparators = 64;
constexpr size_t ShortBeginning = 3;

// The beginnings of a line tried as separators, in characters: a mark, a rule's first marks, and
// longer beginnings that tell one kind of line from another; the line whole.
constexpr size_t Beginnings[] = {3, 2, 1, 4, 5, 6, 8, 12, 16, 24, 32};

bool IsFramingLine(const IssueLayout &layout, size_t line) {
    const LineShape shape = layout.Shapes[line - 1].Shape;
    return shape == LineShape::Frame || shape == LineShape::RuledText;
}

// The first line of the heading's block: the frames right above it, or the heading itself.
size_t BlockTop(const IssueLayout &layout, size_t heading) {
    size_t top = heading;
    while (top > 1 && IsFramingLine(layout, top - 1)) {
        --top;
    }
    return top;
}

// The line that ends the last section: the first frame after its heading's block, or the
// footer's first line.
size_t LastEnd(const IssueLayout &layout, size_t heading) {
    size_t line = heading + 1;
    while (line <= layout.Shapes.size() &&
           (IsFramingLine(layout, line) || layout.Roles[line - 1] == LineRole::Empty)) {
        ++line;
    }
    for (; line <= layout.Shapes.size(); ++line) {
        if (IsFramingLine(layout, line) || layout.Roles[line - 1] == LineRole::Footer) {
            return line;
        }
    }
    return 0;
}

void AddBeginnings(const TrialText &text, size_t line, std::vector<std::string> &candidates) {
    const TextLine &beginning = text.Lines[line - 1];
    const size_t characters = TrimmedLine(beginning).size();
    std::vector<size_t> lengths(std::begin(Beginnings), std::end(Beginnings));
    lengths.push_back(characters);
    for (const size_t length : lengths) {
        if (length > characters) {
            continue;
        }
        const std::string separator =
            text.Bytes.substr(beginning.Start, beginning.Bytes[length] - beginning.Start);
        if (separator.size() <= LongestSeparator && SeparatorFits(separator)) {
            AddSeparatorCandidate(separator, candidates);
        }
    }
}

// Whether the boxes of the section headed at `line`, which end before the line `end`, hold all
// its text: no word stands from there to the next heading's block (or, after the last heading,
// to a frame or the footer).
bool HoldsAllText(const IssueLayout &layout, size_t line, size_t end) {
    const auto next = std::upper_bound(layout.Headings.begin(), layout.Headings.end(), line);
    const size_t limit = next != layout.Headings.end() ? BlockTop(layout, *next) : 0;
    for (size_t at = end; at <= layout.Shapes.size() && (limit == 0 || at < limit); ++at) {
        const LineRole role = layout.Roles[at - 1];
        if (limit == 0 && (IsFramingLine(layout, at) || role == LineRole::Footer)) {
            return true;
        }
        if (role != LineRole::Empty && !IsFramingLine(layout, at)) {
            return false;
        }
    }
    return true;
}

// What becomes of the section of `keyword` as the plugin judged it.
SectionFate FateOf(const TrialText &text, const IssueLayout &layout, const std::string &keyword,
                   size_t line, const KeywordJudgement *judged) {
    const std::vector<size_t> &headings = layout.Headings;
    if (judged == nullptr || judged->Fate == SectionFate::NotFound || judged->Line != line) {
        return SectionFate::NotFound;
    }
    if (judged->Fate != SectionFate::Shows) {
        return SectionFate::NoSeparator;
    }
    const SectionFate byLines = FateByLines(text, keyword.c_str(), *judged);
    if (byLines != SectionFate::Shows) {
        return byLines == SectionFate::RunsOn ? SectionFate::RunsOn : SectionFate::HeadingOnly;
    }
    const size_t last = LineAt(text.Lines, judged->End);
    const bool takesIn = std::any_of(headings.begin(), headings.end(),
                                     [&](size_t other) { return other > line && other <= last; });
    if (takesIn) {
        return SectionFate::RunsOn;
    }
    return HoldsAllText(layout, line, last + 1) ? SectionFate::Shows : SectionFate::EndsEarly;
}

} // namespace

std::vector<SectionInIssue> FatesIn(const TrialText &text, const IssueLayout &layout,
                                    const std::vector<std::string> &keywords,
                                    const std::vector<size_t> &lines,
                                    const std::string &separator) {
    std::vector<SectionInIssue> fates(keywords.size(), {0, 0, SectionFate::Absent});
    const auto count = static_cast<size_t>(KeywordCount);
    for (size_t first = 0; first < keywords.size(); first += count) {
        PluginSettings settings = WithSeparator(text.Settings, separator);
        for (size_t key = 0; key < count; ++key) {
            const size_t i = first + key;
            const bool set = i < keywords.size() && lines[i] != 0;
            settings = WithKeyword(settings, static_cast<int>(key), set ? keywords[i] : "");
        }
        const TextJudgement judgement = JudgeText(text.Bytes, settings);
        for (size_t i = first; i < keywords.size() && i < first + count; ++i) {
            if (lines[i] == 0) {
                continue;
            }
            const KeywordJudgement *judged = KeywordOf(judgement, static_cast<int>(i - first));
            fates[i].Line = lines[i];
            fates[i].Fate = FateOf(text, layout, keywords[i], lines[i], judged);
            fates[i].Boxes = judged != nullptr ? judged->Boxes : 0;
        }
    }
    return fates;
}

void AddSeparatorsToTry(const TrialText &text, const IssueLayout &layout,
                        std::vector<std::string> &candidates) {
    std::vector<size_t> lines;
    for (const size_t heading : layout.Headings) {
        lines.push_back(BlockTop(layout, heading));
    }
    // The headings' own opening, where rules alike above and below them cannot end a section.
    lines.insert(lines.end(), layout.Headings.begin(), layout.Headings.end());
    size_t end = 0;
    if (!layout.Headings.empty()) {
        end = LastEnd(layout, layout.Headings.back());
        end = end != 0 ? BlockTop(layout, end) : 0;
    }
    // Each beginning counts the lines it opens; one that opens a single line ends no section
    // but the one before it, unless that line ends the last section.
    std::vector<std::string> beginnings;
    std::vector<size_t> opened;
    for (const size_t line : lines) {
        std::vector<std::string> own;
        AddBeginnings(text, line, own);
        for (const std::string &beginning : own) {
            const auto at = std::find(beginnings.begin(), beginnings.end(), beginning);
            if (at == beginnings.end()) {
                beginnings.push_back(beginning);
                opened.push_back(1);
            } else {
                ++opened[static_cast<size_t>(at - beginnings.begin())];
            }
        }
    }
    std::vector<std::string> last;
    if (end != 0) {
        AddBeginnings(text, end, last);
    }
    std::vector<size_t> order(beginnings.size());
    for (size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(),
                     [&opened](size_t one, size_t other) { return opened[one] > opened[other]; });
    const size_t most = candidates.size() + MostSeparators;
    for (const std::string &beginning : last) {
        AddSeparatorCandidate(beginning, candidates, most);
    }
    for (const size_t i : order) {
        if (opened[i] > 1) {
            AddSeparatorCandidate(beginnings[i], candidates, most);
        }
    }
    // Then the beginnings of single lines, the short ones first: what ends the section before
    // one heading alone.
    for (const bool shorter : {true, false}) {
        for (const size_t i : order) {
            if (opened[i] == 1 && (WideOfAnsi(beginnings[i]).size() <= ShortBeginning) == shorter) {
                AddSeparatorCandidate(beginnings[i], candidates, most);
            }
        }
    }
}
