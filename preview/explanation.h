#pragma once
// Why a message showed what it showed, in the plugin's own judgement of the body (its sections,
// from the library) and the boxes it showed.
#include <cstddef>
#include <string>
#include <vector>

#include "plugin/for_preview.h"
#include "preview/host_exports.h"

struct KeywordOutcome {
    enum class Kind {
        Shown,       // its section showed in Boxes boxes
        NotFound,    // the keyword is not in the body
        NoSeparator, // found, but no separator line follows it
        TooShort,    // found, but its section holds nothing to show
        NotReached,  // found, but an earlier box was cancelled
    };
    int Number;          // the key's number: 0 for keyword0
    std::string Keyword; // as the plugin read it, in the code page
    Kind What;
    size_t Line;  // where the keyword is, from 1; 0 when not found
    size_t Boxes; // boxes its section showed
};

// For each keyword that is set, in order, what became of it in this body, given the boxes that
// the plugin showed. Boxes go to keywords by the pages each section takes, not by their captions,
// which two keywords may share.
std::vector<KeywordOutcome> ExplainIssue(const std::string &body, const PluginInspection &plugin,
                                         const std::vector<ShownBox> &boxes);

// True when the plugin takes the body for an issue.
bool IsIssue(const std::string &body, const PluginInspection &plugin);

// One line for the user about the keyword (shown in UTF-8).
std::string DescribeOutcome(const KeywordOutcome &outcome, const PluginSettings &settings);

// One line for the user about a message that is not an issue.
std::string DescribeNoIssue(const std::string &body, const PluginInspection &plugin);
