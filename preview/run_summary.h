#pragma once
// The tally of a run over several messages, and the exit status it comes to.
#include <cstddef>
#include <vector>

#include "preview/explanation.h"

struct RunSummary {
    size_t Messages = 0;   // read and handed to the plugin
    size_t Unreadable = 0; // files or messages that could not be read
    size_t Issues = 0;
    size_t IssuesWithoutBox = 0;
    size_t Boxes = 0;
    std::vector<size_t> BoxesPerKeyword;  // in the order of the settings
    std::vector<size_t> IssuesPerKeyword; // issues in which the keyword was found

    void AddIssue(const std::vector<KeywordOutcome> &outcomes, size_t boxes);
    void AddOther(size_t boxes);

    // The table printed after a run over several messages.
    void Print() const;

    // 1 when something could not be read; else 0 when a box was shown, 3 when an issue showed
    // none, 4 when nothing was an issue.
    int ExitStatus() const;
};
