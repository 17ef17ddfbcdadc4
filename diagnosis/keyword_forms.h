#pragma once
// The keywords that find a heading, best first: each is found first at the heading, by the
// plugin's own judgement, and its caption (the keyword less its first ExcerptSkip bytes) reads
// whole: it starts a character and keeps every letter of the heading.
#include <cstddef>
#include <string>
#include <vector>

#include "diagnosis/trial_text.h"

struct KeywordForm {
    std::string Keyword; // in the code page, as the plugin holds it (line breaks as CR LF)
    // The heading's number (in the code page) where the keyword holds it, which may change from
    // issue to issue; empty when the heading has none, or the keyword leaves it out.
    std::string Number;
    bool WithoutNumber; // the keyword leaves out the heading's number
    bool Whole;         // its caption keeps every letter of the heading
};

// The forms for the heading at `line` (from 1) of the text, best first: without the heading's
// number; with the caption from the heading's first letter (or the blank before it); the heading
// whole (after the line break above where its caption needs it); the heading after the end of
// the line above it, which tells it from its copy in a table of contents. Each form once.
std::vector<KeywordForm> KeywordForms(const TrialText &text, size_t line);

// The same forms for the heading's label alone (【記事】 in "1)【記事】…"): for headings whose
// words change from issue to issue behind a label that stays.
std::vector<KeywordForm> LabelForms(const TrialText &text, size_t line);

// The keywords whose captions leave out letters of the heading, for where no whole caption can
// serve, found first at the heading: the one that starts right after the heading's number (for
// headings whose numbers change from issue to issue), and the heading itself from its first
// character (for a separator that opens the headings, which a keyword that starts before the
// heading would meet at once). Each from the first character at which its caption starts one.
std::vector<KeywordForm> CutForms(const TrialText &text, size_t line);

// Whether the keyword is found first at the heading on `line`: its caption starts there.
bool FindsHeading(const TrialText &text, const std::string &keyword, size_t line);
