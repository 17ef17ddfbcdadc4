#pragma once
// The sections of several issues of one newsletter: each issue's headings matched with the
// others' by their words (or by the label in front of words that change), in the order the issues
// give them; where a section that recurs does not head an issue, a line of that issue that opens
// alike with its words (which its layout read as an item) stands for it. A heading that stands in
// one issue only, where another issue has a heading of its own between the same sections, is a
// topic that changes from issue to issue.
#include <cstddef>
#include <vector>

#include "diagnosis/line_shapes.h"

// One issue's headings: their lines (from 1) and their forms; and the lines that could head a
// part but were read as items, where a section that recurs may stand all the same.
struct IssueHeadings {
    std::vector<size_t> Lines;
    std::vector<const HeadingForm *> Forms;
    std::vector<size_t> Others;
    std::vector<const HeadingForm *> OtherForms;
};

struct RecurringSection {
    std::vector<size_t> Lines; // its heading's line in each issue; 0 where it does not stand
};

struct SectionsAcross {
    std::vector<RecurringSection> Sections;
    std::vector<RecurringSection> Changing; // topics that change from issue to issue, one each
};

SectionsAcross MatchSections(const std::vector<IssueHeadings> &issues);
