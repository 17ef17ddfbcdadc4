#pragma once
// The sections of several issues of one newsletter: each issue's headings matched with the
// others' by their words (or by the label in front of words that change), in the order the issues
// give them. A heading that stands in one issue only, where another issue has a heading of its own
// between the same sections, is a topic that changes from issue to issue.
#include <cstddef>
#include <vector>

#include "diagnosis/line_shapes.h"

// One issue's headings: their lines (from 1) and their forms.
struct IssueHeadings {
    std::vector<size_t> Lines;
    std::vector<const HeadingForm *> Forms;
};

struct RecurringSection {
    std::vector<size_t> Lines; // its heading's line in each issue; 0 where it does not stand
};

struct SectionsAcross {
    std::vector<RecurringSection> Sections;
    std::vector<RecurringSection> Changing; // topics that change from issue to issue, one each
};

SectionsAcross MatchSections(const std::vector<IssueHeadings> &issues);
