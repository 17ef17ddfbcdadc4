#pragma once
// A piece of advice on a text with the settings, beyond each keyword's fate (text_judgement.h):
// boxes that will show wrong or a keyword or separator that misses by a little, with the fix
// that the plugin's own judgement has shown to work. What each kind of advice finds is in its own
// file (keyword_advice.h, heading_advice.h, separator_advice.h); text_advice.h gathers them.
#include <cstddef>
#include <string>
#include <vector>

enum class AdviceKind : unsigned char {
    CutCaption,  // the caption starts inside a character, or leaves out letters of the heading
    HeadingOnly, // the section's boxes would hold its heading and nothing else
    FoundAgain,  // the keyword stands more than once: the first shows, not the heading
    NearMiss,    // not found as written, but the text has it with other forms of characters
    RuleMissed,  // found, but the separator matches none of the rule lines after it
    NotHeading,  // found where the layout reads no section's heading
};

// Where a keyword stands in the layout, for NotHeading.
enum class Standing : unsigned char {
    Heads,    // at a section's heading
    Item,     // at a part inside a section
    Body,     // in a section's text
    Banner,   // above the first section
    Contents, // in the table of contents
    Footer,   // in the footer
};

struct TextAdvice {
    AdviceKind Kind;
    int Key;                   // the keyword's number: 0 for keyword0
    std::string Keyword;       // the keyword spoken of: as set, or as its fix has it
    std::vector<size_t> Lines; // where the keyword stands (the first MostPlaces of them)
    bool MorePlaces;           // it stands in more places than Lines holds
    // The fix, as it is written in the settings (line breaks as \n), in the code page; empty
    // when none was found to work. Of the separator for HeadingOnly and RuleMissed, else of
    // keyword Key.
    std::string Fix;
    std::string Caption;              // the caption of the keyword as fixed
    std::vector<std::string> Rules;   // the rule lines after the keyword, in the code page
    std::string InText;               // for a near miss: the keyword as the text writes it
    size_t FixedLine;                 // where the fixed keyword stands, from 1; for NotHeading,
                                      // where the first section's heading stands
    int Shown;                        // for a separator: the sections it shows with their text
    int Found;                        // and of how many keywords found
    Standing Where = Standing::Heads; // for NotHeading: what the keyword stands in
};

// The places of a keyword that advice names, and the rules it lists.
constexpr size_t MostPlaces = 10;
constexpr size_t MostRules = 5;

// No issue is this long: a longer text gets no advice, which would take long to try.
constexpr size_t LargestAdvisedText = 4 << 20;
