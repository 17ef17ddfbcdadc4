#pragma once
// Advice on one keyword of a text, each with a keyword that the plugin's judgement of the same
// text shows to work: a caption cut inside a character, a keyword that stands in a table of
// contents before its heading, a keyword that misses the text by other forms of its characters.
#include <vector>

#include "diagnosis/advice.h"
#include "diagnosis/issue_layout.h"
#include "diagnosis/trial_text.h"

// A caption that starts inside a character or leaves out letters of the heading, for the keyword
// found so.
void AdviseCaption(const TrialText &text, int key, const KeywordJudgement &judged,
                   std::vector<TextAdvice> &advice);

// A keyword that stands more than once, whose first place is no heading and a later one is (by
// the text's layout where it reads one).
void AdviseFoundAgain(const TrialText &text, const IssueLayout &layout, int key,
                      std::vector<TextAdvice> &advice);

// A keyword not found as written, that the text holds in other forms of its characters.
void AdviseNearMiss(const TrialText &text, int key, std::vector<TextAdvice> &advice);
