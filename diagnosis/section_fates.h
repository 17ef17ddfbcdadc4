#pragma once
// What becomes of sections in an issue with a separator, by the plugin's own judgement: each
// keyword's section shows its heading and its text, or its heading alone, or runs on into the
// next section, or ends early, or at no separator.
#include <cstddef>
#include <string>
#include <vector>

#include "diagnosis/issue_layout.h"
#include "diagnosis/section_fate.h"
#include "diagnosis/trial_text.h"

// The fate of each keyword's section in the text, where its heading stands at `lines` (0: the
// section does not stand in this text), with the separator; the layout's headings are those that
// no section's boxes may take in, and before whose blocks every section's boxes must reach.
std::vector<SectionInIssue> FatesIn(const TrialText &text, const IssueLayout &layout,
                                    const std::vector<std::string> &keywords,
                                    const std::vector<size_t> &lines, const std::string &separator);
