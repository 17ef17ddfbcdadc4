#include "diagnosis/setup_proposal.h"

#include <algorithm>
#include <cstring>

#include "diagnosis/advice.h"
#include "diagnosis/issue_layout.h"
#include "diagnosis/keyword_forms.h"
#include "diagnosis/newsletter_groups.h"
#include "diagnosis/recurring_sections.h"
#include "diagnosis/section_fates.h"
#include "diagnosis/separator_choice.h"
#include "diagnosis/trial_text.h"
#include "viewer/caption.h"

namespace {

// More sections than this are not proposed: no newsletter has so many.
constexpr size_t MostSections = 60;

// How many of the issues where the section stands the keyword finds its heading in.
size_t Finds(const Issues &issues, const std::vector<size_t> &lines, const std::string &keyword) {
    size_t finds = 0;
    for (size_t issue = 0; issue < lines.size(); ++issue) {
        finds +=
            lines[issue] != 0 && FindsHeading(issues.Text(issue), keyword, lines[issue]) ? 1 : 0;
    }
    return finds;
}

// The keywords to choose from for a section: those that its headings in the first issues give
// and that find its heading in the most issues where it stands, whole captions first, then those
// of the label in front of words that change, then those that leave out letters (without a
// changing number, or for a separator that opens headings).
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
    const std::pair<std::string, FormChoice> chosen = ChooseSeparator(issues, sections);
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
        lines.reserve(sections.size());
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
