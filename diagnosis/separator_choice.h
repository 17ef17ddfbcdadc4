#pragma once
// The one judgement of which separator to use, for the separator advice on a reader's settings
// and for the settings proposed from issues alike: the separators that the issues' layouts
// suggest are tried with the plugin's own judgement of every issue, and the one that shows the
// most sections with their heading and all their text wins; the current one is kept when none
// shows more.
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "diagnosis/issue_layout.h"
#include "diagnosis/keyword_forms.h"
#include "diagnosis/trial_text.h"

// An issue as the judgement reads it.
struct ReadIssue {
    std::string Bytes; // up to its first NUL
    std::vector<TextLine> Lines;
    IssueLayout Layout;
};

ReadIssue ReadOf(const std::string &whole);

// The issues judged together, and the settings they are judged with.
struct Issues {
    std::vector<ReadIssue> Read;
    const PluginSettings &Settings;

    TrialText Text(size_t issue) const { return {Read[issue].Bytes, Read[issue].Lines, Settings}; }
};

// A section with the keywords to choose from, best first.
struct SectionForms {
    std::vector<size_t> Lines; // its heading's line in each issue; 0 where it does not stand
    std::vector<KeywordForm> Forms;
};

// The issues whose headings give the keywords and separators tried: the rest only confirm them.
constexpr size_t IssuesTried = 3;

// The keywords tried for each section, at most.
constexpr size_t FormsTried = 4;

// For one separator: the form chosen for each section (an index into its forms), and what that
// is worth: a section shown in an issue counts twice under a whole caption, once under a cut one.
struct FormChoice {
    std::vector<size_t> Form;
    size_t Worth = 0;
    size_t Shown = 0; // the sections shown, counted in each issue
};

// The separator that is worth the most over all the issues, with the forms it shows the sections
// with.
std::pair<std::string, FormChoice> ChooseSeparator(const Issues &issues,
                                                   const std::vector<SectionForms> &sections);
