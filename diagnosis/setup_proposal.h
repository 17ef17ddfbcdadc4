#pragma once
// Settings proposed from an issue itself: a keyword for each section that the layout
// heads (issue_layout.h) and one separator, each verified with the plugin's own judgement of the
// same text before it is offered: the keyword is found first at its heading, not in a table of
// contents; its caption reads whole; the separator gives the most sections their text, and each
// section it cannot show is named with the reason.
#include <cstddef>
#include <string>
#include <vector>

#include "settings/settings.h"

enum class SectionFate : unsigned char {
    Shows,       // its boxes show its heading and its text
    HeadingOnly, // the separator line comes right after its heading
    NoSeparator, // no separator line follows it
    RunsOn,      // its boxes run on into the next section
};

struct ProposedSection {
    size_t Line;         // the heading's line, from 1
    std::string Keyword; // in the code page, as the plugin holds it (line breaks as CR LF)
    std::string Caption; // the caption of its boxes
    // The heading's number (in the code page) where the keyword holds it, which may change from
    // issue to issue; empty when the heading has none, or the keyword leaves it out.
    std::string Number;
    bool WithoutNumber; // the keyword leaves out the heading's number
    size_t Boxes;       // with the separator proposed and the current page length
    SectionFate Fate;   // with the separator proposed
};

struct SetupProposal {
    std::vector<ProposedSection> Sections;
    std::string Separator; // in the code page; the current one when none shows more
    int Shown;             // the sections that show their text with it
};

// The proposal for the text (in the code page, up to its first NUL); `current` gives the page
// length and the separator that is kept when no other shows more sections.
SetupProposal ProposeSetup(const std::string &text, const PluginSettings &current);

// The separator that shows the most of the sections' keywords with their text, among the rules
// after them and the headings' marks, and how many it shows.
std::string BestSeparator(const std::string &text, const std::vector<std::string> &keywords,
                          const PluginSettings &current, int &shown);

// The text of a settings file (in the code page, CR LF) with the keywords (as the plugin holds
// them), the separator and the page length, under the comment lines given (in the code page).
std::string SettingsFileText(const std::vector<std::string> &comments,
                             const std::vector<std::string> &keywords, const std::string &separator,
                             int pageLines);
