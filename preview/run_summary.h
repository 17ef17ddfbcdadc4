#pragma once
// The tally of a run over several messages, and the exit status it comes to.
#include <cstddef>
#include <cstdio>
#include <vector>

#include "preview/explanation.h"
#include "settings/settings.h"

struct RunSummary {
    bool MailGiven = false; // a file or folder was named
    size_t Messages = 0;    // read and handed to the plugin
    size_t Unreadable = 0;  // files or messages that could not be read
    size_t NotMessages = 0; // files passed over as no mail
    size_t Deleted = 0;     // messages passed over as deleted
    size_t Issues = 0;
    size_t IssuesWithoutBox = 0;
    size_t Boxes = 0;
    size_t BoxesPerKeyword[KeywordCount] = {};  // by the key's number
    size_t IssuesPerKeyword[KeywordCount] = {}; // issues in which the keyword was found

    void AddIssue(const std::vector<KeywordOutcome> &outcomes, size_t boxes);
    void AddOther(size_t boxes);

    // The table printed after a run over several messages, a row for each keyword that is set.
    void Print(const PluginSettings &settings, std::FILE *out) const;

    // 1 when something could not be read; else 0 when a box was shown (or no mail was named), 3
    // when an issue showed none, 4 when nothing was an issue.
    int ExitStatus() const;
};
