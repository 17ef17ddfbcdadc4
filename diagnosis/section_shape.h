#pragma once
// What a section's boxes hold, read from the lines they take: whether a reader sees the section's
// text under its heading, or its heading alone, or more than the section.
#include "diagnosis/trial_text.h"

// What the boxes of the section of `keyword` hold, judged so, read from its lines alone: Shows
// (the heading, its text with blank lines among it, and at its end rules at most), HeadingOnly
// (nothing after the heading but rules and blank lines), RunsOn (text again after a rule that
// follows its text: another section too), or the judgement's fate where it shows no box.
SectionFate FateByLines(const TrialText &text, const char *keyword, const KeywordJudgement &judged);

// The sections that show their text with these settings; `found` gets the keywords found.
int GoodSections(const TrialText &text, const PluginSettings &settings, int &found);
