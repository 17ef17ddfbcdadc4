#pragma once
// Why a message showed what it showed, worked out with the plugin's own search and excerpt
// functions over the settings as the plugin reads them.
#include <cstddef>
#include <string>
#include <vector>

#include "preview/host_exports.h"

struct KeywordOutcome {
    enum class Kind {
        Shown,       // its section showed in Boxes boxes
        NotFound,    // the keyword is not in the body
        NoSeparator, // found, but no separator line follows it
        TooShort,    // found, but its section holds nothing to show
        NotReached,  // found, but an earlier box was cancelled
    };
    Kind What;
    size_t Line;  // where the keyword is, from 1; 0 when not found
    size_t Boxes; // boxes its section showed
};

// For each keyword of the settings, in order, what became of it in this body, given the boxes
// that the plugin showed for it in turn.
std::vector<KeywordOutcome> ExplainIssue(const std::string &body,
                                         const std::vector<ShownBox> &boxes);

// Where the issue marker first occurs in the body as the plugin sees it, or npos.
size_t MarkerOffset(const std::string &body);

// True when the plugin takes the body for an issue.
bool IsIssue(const std::string &body);

// One line for the user about the keyword (shown in UTF-8).
std::string DescribeOutcome(const std::string &keyword, const KeywordOutcome &outcome);

// One line for the user about a message that is not an issue.
std::string DescribeNoIssue(const std::string &body);
