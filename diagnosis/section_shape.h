#pragma once
// What a section's boxes hold, read from the text's layout: whether a reader sees the section's
// text under its heading, or its heading alone, or more than the section.
#include "diagnosis/advised_text.h"

enum class Shape {
    NotShown,    // the keyword shows no box
    HeadingOnly, // nothing after the heading but rules and blank lines
    Good,        // the heading, its text (blank lines among it), and at its end rules at most
    RunsOn,      // text again after a rule that follows its text: another section too
};

// The shape of the section of `keyword`, judged so.
Shape ShapeOf(const AdvisedText &text, const char *keyword, const KeywordJudgement &judged);

// The sections that show Good with these settings; `found` gets the keywords found.
int GoodSections(const AdvisedText &text, const PluginSettings &settings, int &found);
