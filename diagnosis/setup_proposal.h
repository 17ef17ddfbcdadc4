#pragma once
// Settings proposed from issues themselves: the sections that their layouts head (issue_layout.h),
// a keyword for each and one separator, each verified with the plugin's own judgement of every
// issue before it is offered. Given several issues, what recurs from issue to issue is structure
// and what changes is body: sections are the headings that recur, a keyword is one that finds its
// section's heading in every issue where it stands (never the copy in a table of contents), and
// the separator is the one that shows the most sections over all the issues. Issues of another
// newsletter among them are set aside: the proposal is for the largest group.
#include <cstddef>
#include <string>
#include <vector>

#include "diagnosis/section_fate.h"
#include "settings/settings.h"

struct ProposedSection {
    std::string Keyword; // in the code page, as the plugin holds it (line breaks as CR LF)
    std::string Caption; // the caption of its boxes
    // The heading's number (in the code page) where the keyword holds it, which may change from
    // issue to issue; empty when the heading has none, or the keyword leaves it out.
    std::string Number;
    bool WithoutNumber;                 // the keyword leaves out the heading's number
    bool WholeCaption;                  // the caption keeps every letter of the heading
    std::vector<SectionInIssue> Issues; // by the issues proposed for, in their order

    // The issues in which it shows, and in which it stands.
    size_t Shown() const { return Counted(true); }
    size_t Standing() const { return Counted(false); }

  private:
    size_t Counted(bool shown) const {
        size_t count = 0;
        for (const SectionInIssue &each : Issues) {
            count += (shown ? each.Fate == SectionFate::Shows : each.Line != 0) ? 1 : 0;
        }
        return count;
    }
};

// A heading that stands in one issue only, where the others have headings of their own: a topic
// that changes from issue to issue, which no keyword can follow.
struct ChangingHeading {
    size_t Issue;        // its index among the issues proposed for
    size_t Line;         // from 1
    std::string Heading; // the line, in the code page
};

struct SetupProposal {
    std::vector<ProposedSection> Sections;
    std::vector<ChangingHeading> Changing;
    std::string Separator; // in the code page; the current one when none shows more
    size_t Shown; // the sections that show their text with it, in every issue they stand in
    std::vector<size_t> Issues; // the indices of the issues given that it is for, in order
    size_t Groups;              // the newsletters the issues given come to
    size_t NotIssues;           // issues given that were too long to read
};

// The proposal for the issues (in the code page, each up to its first NUL); `current` gives the
// page length and the separator that is kept when no other shows more sections.
SetupProposal ProposeSetup(const std::vector<std::string> &issues, const PluginSettings &current);

// The sections that show in every issue they stand in (at most KeywordCount), in order: those
// offered when the reader chooses all.
inline std::vector<size_t> ShowingSections(const SetupProposal &proposal) {
    std::vector<size_t> showing;
    for (size_t i = 0; i < proposal.Sections.size(); ++i) {
        const ProposedSection &section = proposal.Sections[i];
        if (section.Shown() > 0 && section.Shown() == section.Standing() &&
            showing.size() < static_cast<size_t>(KeywordCount)) {
            showing.push_back(i);
        }
    }
    return showing;
}
