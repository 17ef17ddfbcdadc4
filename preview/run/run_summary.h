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
    bool Suggested = false;                     // settings were proposed instead of boxes shown
    size_t ProposedFor = 0;                     // the issues the settings were made from

    // A message handed to the plugin, judged so.
    void Add(const TextJudgement &judgement);

    // A message read for the settings proposed from the run's issues.
    void AddSuggestion(const TextJudgement &judgement);

    // The settings proposed from `issues` of the run's issues, with `offered` sections that show:
    // the summary tells these instead of boxes, and the sections count as its boxes.
    void AddProposal(size_t issues, size_t offered);

    // The table printed after a run over several messages, a row for each keyword that is set.
    void Print(const PluginSettings &settings, std::FILE *out) const;
};
