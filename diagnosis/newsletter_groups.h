#pragma once
// Issues told apart by the newsletter they come from: two issues of one newsletter share much of
// their layout (the frames they draw, the forms and words of their headings) or of the lines
// at their top and bottom (the banner, the footer), issues of two newsletters little.
#include <cstddef>
#include <vector>

#include "diagnosis/issue_layout.h"

// The issues (by their layouts) in groups of one newsletter each, largest first, each in the
// order given.
std::vector<std::vector<size_t>>
NewsletterGroups(const std::vector<const IssueLayout *> &issues,
                 const std::vector<const std::vector<TextLine> *> &lines);
