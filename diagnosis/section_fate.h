#pragma once
// What becomes of a keyword's section: the one name that the plugin's judgement of a text
// (text_judgement.h), the layout's reading of the boxes (section_fates.h), the advice and the
// proposal all speak in.
#include <cstddef>

enum class SectionFate : unsigned char {
    Shows,       // its boxes show; read with the layout: its heading and all its text
    NotFound,    // the keyword is not in the text; read with the layout: not at its heading
    NoSeparator, // found, but no separator line follows it
    TooShort,    // found with its section, which leaves nothing for a box
    NotReached,  // found with a section, but an earlier box was cancelled
    HeadingOnly, // the separator line comes right after its heading: a box of the heading alone
    RunsOn,      // its boxes run on into the next section
    EndsEarly,   // its boxes stop before its text ends
    Absent,      // the section does not stand in the issue
};

// A section in one issue of those proposed for.
struct SectionInIssue {
    size_t Line;  // its heading's line, from 1; 0 where it does not stand
    size_t Boxes; // with the separator proposed and the current page length
    SectionFate Fate;
};
