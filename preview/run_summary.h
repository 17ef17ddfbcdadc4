#pragma once
// The tally of a run over several messages, and the exit status it comes to.
#include <cstddef>
#include <cstdio>

#include "diagnosis/run_status.h"
#include "diagnosis/text_judgement.h"
#include "settings/settings.h"

struct RunSummary {
    RunTally Tally;         // what the exit status comes from
    size_t Messages = 0;    // read and handed to the plugin
    size_t NotMessages = 0; // files passed over as no mail
    size_t Deleted = 0;     // messages passed over as deleted
    size_t IssuesWithoutBox = 0;
    size_t BoxesPerKeyword[KeywordCount] = {};  // by the key's number
    size_t IssuesPerKeyword[KeywordCount] = {}; // issues in which the keyword was found

    // A message handed to the plugin, judged so.
    void Add(const TextJudgement &judgement);

    // A message whose settings were proposed: the sections proposed that show count as its boxes.
    void AddSuggestion(const TextJudgement &judgement, size_t sectionsShown);

    // The table printed after a run over several messages, a row for each keyword that is set.
    void Print(const PluginSettings &settings, std::FILE *out) const;
};
