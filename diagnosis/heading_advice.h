#pragma once
// Advice on a keyword found where the issue's layout (issue_layout.h) reads no section's heading:
// at a part inside a section, in a section's text, in the banner, the table of contents or the
// footer. The reader is told what the keyword heads, and what heads the sections.
#include <vector>

#include "diagnosis/advice.h"
#include "diagnosis/issue_layout.h"
#include "diagnosis/trial_text.h"

void AdviseNotHeading(const TrialText &text, const IssueLayout &layout,
                      const KeywordJudgement &judged, std::vector<TextAdvice> &advice);
