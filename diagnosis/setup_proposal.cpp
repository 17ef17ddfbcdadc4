#include "diagnosis/setup_proposal.h"

#include <algorithm>
#include <cstring>

#include "diagnosis/advised_text.h"
#include "diagnosis/issue_layout.h"
#include "diagnosis/keyword_forms.h"
#include "diagnosis/newsletter_groups.h"
#include "diagnosis/recurring_sections.h"
#include "diagnosis/section_fates.h"
#include "diagnosis/text_advice.h"
#include "viewer/caption.h"

namespace {

// The issues whose headings give the keywords and separators tried: the rest only confirm them.
constexpr size_t IssuesTried = 3;

// The separators that the first issues show the most sections with, tried on every issue.
constexpr size_t SeparatorsKept = 6;

// The keywords tried for each section, at most.
constexpr size_t FormsTried = 4;

// More sections than this are not proposed: no newsletter has so many.
constexpr size_t MostSections = 60;

// An issue as the proposal reads it.
struct ReadIssue {
    std::string Bytes; // up to its first NUL
    std::vector<TextLine> Lines;
    IssueLayout Layout;
};

// The issues proposed for, and the settings they are judged with.
struct Issues {
    std::vector<ReadIssue> Read;
    const PluginSettings &Settings;

    AdvisedText Text(size_t issue) const {
        return {Read[issue].Bytes, Read[issue].Lines, Settings};
    }
};

// How many of the issues where the section stands the keyword finds its heading in.
size_t Finds(const Issues &issues, const std::vector<size_t> &lines, const std::string &keyword) {
    size_t finds = 0;
    for (size_t issue = 0; issue < lines.size(); ++issue) {
        finds +=
            lines[issue] != 0 && FindsHeading(issues.Text(issue), keyword, lines[issue]) ? 1 : 0;
    }
    return finds;
}

// A section with the keywords to choose from: those that its headings in the first issues give
// and that find its heading in the most issues where it stands, whole captions first, then those
// of the label in front of words that change, then those that leave out letters (without a
// changing number, or for a separator that opens headings).
struct SectionForms {
    std::vector<size_t> Lines; // its heading's line in each issue; 0 where it does not stand
    std::vector<KeywordForm> Forms;
};

SectionForms FormsOf(const Issues &issues, const RecurringSection &section) {
    std::vector<KeywordForm> whole;
    std::vector<KeywordForm> label;
    std::vector<KeywordForm> cut;
    for (size_t issue = 0, tried = 0; issue < section.Lines.size() && tried < IssuesTried;
         ++issue) {
        if (section.Lines[issue] != 0) {
            ++tried;
            for (const KeywordForm &form : KeywordForms(issues.Text(issue), section.Lines[issue])) {
                whole.push_back(form);
            }
            for (const KeywordForm &form : LabelForms(issues.Text(issue), section.Lines[issue])) {
                label.push_back(form);
            }
            for (const KeywordForm &form : CutForms(issues.Text(issue), section.Lines[issue])) {
                cut.push_back(form);
            }
        }
    }
    whole.insert(whole.end(), label.begin(), label.end());
    whole.insert(whole.end(), cut.begin(), cut.end());
    std::vector<std::pair<KeywordForm, size_t>> counted;
    size_t most = 0;
    for (const KeywordForm &form : whole) {
        const bool known = std::any_of(counted.begin(), counted.end(), [&](const auto &each) {
            return each.first.Keyword == form.Keyword;
        });
        if (!known) {
            counted.emplace_back(form, Finds(issues, section.Lines, form.Keyword));
            most = std::max(most, counted.back().second);
        }
    }
    SectionForms forms{section.Lines, {}};
    for (const auto &each : counted) {
        if (most > 0 && each.second == most && forms.Forms.size() < FormsTried) {
            forms.Forms.push_back(each.first);
        }
    }
    return forms;
}

// For one separator: the form chosen for each section (an index into its forms), and what that
// is worth: a section shown in an issue counts twice under a whole caption, once under a cut one.
struct Choice {
    std::vector<size_t> Form;
    size_t Worth = 0;
};

// The forms that show each section in the most issues from `first` to `last` with the separator:
// the first form that shows it wherever it stands there, else the one that shows it most often.
Choice ChooseForms(const Issues &issues, const std::vector<SectionForms> &sections,
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
    Choice choice;
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
    }
    return choice;
}

// The separator that is worth the most over all the issues, with the forms it shows the sections
// with: of those the first issues' layouts suggest, the few worth the most there are tried on all;
// the current one is kept when none is worth more.
std::pair<std::string, Choice> ChooseSeparator(const Issues &issues,
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
    std::pair<std::string, Choice> best;
    bool any = false;
    for (size_t k = 0; k < scored.size() && k < SeparatorsKept; ++k) {
        const std::string &candidate = candidates[scored[k].second];
        const Choice choice = ChooseForms(issues, sections, candidate, 0, issues.Read.size());
        if (!any || choice.Worth > best.second.Worth ||
            (choice.Worth == best.second.Worth && candidate == current)) {
            best = {candidate, choice};
            any = true;
        }
    }
    return best;
}

ReadIssue ReadOf(const std::string &whole) {
    ReadIssue issue;
    issue.Bytes = whole.substr(0, std::strlen(whole.c_str()));
    issue.Lines = LinesOf(issue.Bytes);
    issue.Layout = ReadLayout(issue.Bytes, issue.Lines);
    return issue;
}

// The issues given, read, in the largest group of one newsletter.
void ReadGroup(const std::vector<std::string> &given, Issues &issues, SetupProposal &proposal) {
    std::vector<ReadIssue> read;
    std::vector<size_t> indices;
    for (size_t i = 0; i < given.size(); ++i) {
        if (std::strlen(given[i].c_str()) > LargestAdvisedText) {
            ++proposal.NotIssues;
            continue;
        }
        read.push_back(ReadOf(given[i]));
        indices.push_back(i);
    }
    std::vector<const IssueLayout *> layouts;
    std::vector<const std::vector<TextLine> *> lines;
    for (const ReadIssue &issue : read) {
        layouts.push_back(&issue.Layout);
        lines.push_back(&issue.Lines);
    }
    const std::vector<std::vector<size_t>> groups = NewsletterGroups(layouts, lines);
    proposal.Groups = groups.size();
    if (groups.empty()) {
        return;
    }
    for (const size_t member : groups.front()) {
        issues.Read.push_back(std::move(read[member]));
        proposal.Issues.push_back(indices[member]);
    }
}

} // namespace

SetupProposal ProposeSetup(const std::vector<std::string> &given, const PluginSettings &current) {
    SetupProposal proposal{{}, {}, current.SeparatorText + 1, 0, {}, 0, 0};
    Issues issues{{}, current};
    ReadGroup(given, issues, proposal);
    std::vector<IssueHeadings> headings;
    for (const ReadIssue &issue : issues.Read) {
        IssueHeadings each;
        for (const size_t line : issue.Layout.Headings) {
            each.Lines.push_back(line);
            each.Forms.push_back(&issue.Layout.Shapes[line - 1].Form);
        }
        for (size_t line = 1; line <= issue.Layout.Roles.size(); ++line) {
            if (issue.Layout.Roles[line - 1] == LineRole::Item) {
                each.Others.push_back(line);
                each.OtherForms.push_back(&issue.Layout.Shapes[line - 1].Form);
            }
        }
        headings.push_back(each);
    }
    const SectionsAcross across = MatchSections(headings);
    std::vector<SectionForms> sections;
    for (const RecurringSection &section : across.Sections) {
        SectionForms forms = FormsOf(issues, section);
        if (!forms.Forms.empty() && sections.size() < MostSections) {
            sections.push_back(std::move(forms));
        }
    }
    for (const RecurringSection &changing : across.Changing) {
        for (size_t issue = 0; issue < changing.Lines.size(); ++issue) {
            const size_t line = changing.Lines[issue];
            if (line != 0) {
                const TextLine &heading = issues.Read[issue].Lines[line - 1];
                proposal.Changing.push_back(
                    {issue, line,
                     issues.Read[issue].Bytes.substr(heading.Start, heading.End - heading.Start)});
            }
        }
    }
    if (sections.empty()) {
        return proposal;
    }
    const std::pair<std::string, Choice> chosen = ChooseSeparator(issues, sections);
    proposal.Separator = chosen.first;
    std::vector<std::string> keywords;
    for (size_t i = 0; i < sections.size(); ++i) {
        const KeywordForm &form = sections[i].Forms[chosen.second.Form[i]];
        proposal.Sections.push_back({form.Keyword,
                                     CaptionOf(form.Keyword.c_str()),
                                     form.Number,
                                     form.WithoutNumber,
                                     form.Whole,
                                     {}});
        keywords.push_back(form.Keyword);
    }
    for (size_t issue = 0; issue < issues.Read.size(); ++issue) {
        std::vector<size_t> lines;
        for (const SectionForms &section : sections) {
            lines.push_back(section.Lines[issue]);
        }
        const std::vector<SectionInIssue> fates = FatesIn(
            issues.Text(issue), issues.Read[issue].Layout, keywords, lines, proposal.Separator);
        for (size_t i = 0; i < fates.size(); ++i) {
            proposal.Sections[i].Issues.push_back(fates[i]);
        }
    }
    for (const ProposedSection &section : proposal.Sections) {
        proposal.Shown += section.Shown() == section.Standing() ? 1 : 0;
    }
    return proposal;
}
