#include "diagnosis/separator_choice.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "diagnosis/section_fates.h"
#include "settings/settings_text.h"

namespace {

// The separators tried for one issue's layout, at most, and the characters of a short beginning.
constexpr size_t MostSeparators = 64;
constexpr size_t ShortBeginning = 3;

// The beginnings of a line tried as separators, in characters: a mark, a rule's first marks, and
// longer beginnings that tell one kind of line from another; the line whole.
constexpr size_t Beginnings[] = {3, 2, 1, 4, 5, 6, 8, 12, 16, 24, 32};

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

// The last line of each section but the last, above the next heading's block: where sections
// end alike (a link back to the contents, a closing line), what ends them.
std::vector<size_t> SectionEnds(const IssueLayout &layout) {
    std::vector<size_t> ends;
    for (size_t i = 1; i < layout.Headings.size(); ++i) {
        size_t above = BlockTop(layout, layout.Headings[i]) - 1;
        while (above > layout.Headings[i - 1] && layout.Roles[above - 1] == LineRole::Empty) {
            --above;
        }
        if (above > layout.Headings[i - 1]) {
            ends.push_back(above);
        }
    }
    return ends;
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

// Adds the separators to try for the layout's sections, each once: the beginnings of the lines
// that open each heading's block (its frame above, or the heading itself) and of the line that
// ends the last section.
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
    std::map<std::string, size_t> ending; // the beginnings of the sections' last lines, counted
    for (const size_t line : SectionEnds(layout)) {
        std::vector<std::string> own;
        AddBeginnings(text, line, own);
        for (const std::string &beginning : own) {
            ++ending[beginning];
        }
    }
    for (const auto &counted : ending) {
        if (counted.second > 1) {
            AddSeparatorCandidate(counted.first, candidates, most);
        }
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

// The separators that the first issues show the most sections with, tried on every issue.
constexpr size_t SeparatorsKept = 6;

// The forms that show each section in the most issues from `first` to `last` with the separator:
// the first form that shows it wherever it stands there, else the one that shows it most often.
FormChoice ChooseForms(const Issues &issues, const std::vector<SectionForms> &sections,
                       const std::string &separator, size_t first, size_t last) {
    std::vector<std::vector<size_t>> shown(sections.size(), std::vector<size_t>(FormsTried, 0));
    for (size_t rank = 0; rank < FormsTried; ++rank) {
        std::vector<std::string> keywords;
        keywords.reserve(sections.size());
        for (const SectionForms &section : sections) {
            keywords.push_back(rank < section.Forms.size() ? section.Forms[rank].Keyword : "");
        }
        for (size_t issue = first; issue < last; ++issue) {
            std::vector<size_t> lines;
            lines.reserve(sections.size());
            for (const SectionForms &section : sections) {
                lines.push_back(section.Lines[issue]);
            }
            const std::vector<SectionInIssue> fates =
                FatesIn(issues.Text(issue), issues.Read[issue].Layout, keywords, lines, separator);
            for (size_t i = 0; i < sections.size(); ++i) {
                shown[i][rank] += fates[i].Fate == SectionFate::Shows ? 1 : 0;
            }
        }
    }
    FormChoice choice;
    for (size_t i = 0; i < sections.size(); ++i) {
        const size_t standing =
            static_cast<size_t>(std::count_if(sections[i].Lines.begin() + static_cast<long>(first),
                                              sections[i].Lines.begin() + static_cast<long>(last),
                                              [](size_t line) { return line != 0; }));
        size_t best = 0;
        for (size_t rank = 0; rank < sections[i].Forms.size(); ++rank) {
            if (shown[i][rank] > shown[i][best]) {
                best = rank;
            }
            if (shown[i][rank] == standing && standing > 0) {
                best = rank;
                break;
            }
        }
        choice.Form.push_back(best);
        const bool whole = !sections[i].Forms.empty() && sections[i].Forms[best].Whole;
        choice.Worth += shown[i][best] * (whole ? 2 : 1);
        choice.Shown += shown[i][best];
    }
    return choice;
}

} // namespace

ReadIssue ReadOf(const std::string &whole) {
    ReadIssue issue;
    issue.Bytes = whole.substr(0, std::strlen(whole.c_str()));
    issue.Lines = LinesOf(issue.Bytes);
    issue.Layout = ReadLayout(issue.Bytes, issue.Lines);
    return issue;
}

// The separator that is worth the most over all the issues, with the forms it shows the sections
// with: of those the first issues' layouts suggest, the few worth the most there are tried on all;
// the current one is kept when none is worth more.
std::pair<std::string, FormChoice> ChooseSeparator(const Issues &issues,
                                                   const std::vector<SectionForms> &sections) {
    const std::string current = issues.Settings.SeparatorText + 1;
    std::vector<std::string> candidates;
    AddSeparatorCandidate(current, candidates);
    const size_t tried = std::min(issues.Read.size(), IssuesTried);
    for (size_t issue = 0; issue < tried; ++issue) {
        AddSeparatorsToTry(issues.Text(issue), issues.Read[issue].Layout, candidates);
    }
    std::vector<std::pair<size_t, size_t>> scored; // worth in the first issues, and the index
    for (size_t i = 0; i < candidates.size(); ++i) {
        scored.emplace_back(ChooseForms(issues, sections, candidates[i], 0, tried).Worth, i);
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto &one, const auto &other) { return one.first > other.first; });
    std::pair<std::string, FormChoice> best;
    bool any = false;
    for (size_t k = 0; k < scored.size() && k < SeparatorsKept; ++k) {
        const std::string &candidate = candidates[scored[k].second];
        const FormChoice choice = ChooseForms(issues, sections, candidate, 0, issues.Read.size());
        if (!any || choice.Worth > best.second.Worth ||
            (choice.Worth == best.second.Worth && candidate == current)) {
            best = {candidate, choice};
            any = true;
        }
    }
    return best;
}
