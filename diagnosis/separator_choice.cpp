#include "diagnosis/separator_choice.h"

#include <algorithm>
#include <cstring>

#include "diagnosis/section_fates.h"

namespace {

// The separators that the first issues show the most sections with, tried on every issue.
constexpr size_t SeparatorsKept = 6;

// The forms that show each section in the most issues from `first` to `last` with the separator:
// the first form that shows it wherever it stands there, else the one that shows it most often.
FormChoice ChooseForms(const Issues &issues, const std::vector<SectionForms> &sections,
                       const std::string &separator, size_t first, size_t last) {
    std::vector<std::vector<size_t>> shown(sections.size(), std::vector<size_t>(FormsTried, 0));
    for (size_t rank = 0; rank < FormsTried; ++rank) {
        std::vector<std::string> keywords;
        for (const SectionForms &section : sections) {
            keywords.push_back(rank < section.Forms.size() ? section.Forms[rank].Keyword : "");
        }
        for (size_t issue = first; issue < last; ++issue) {
            std::vector<size_t> lines;
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
