#pragma once
// The settings proposed from issues (setup_proposal.h) in the reader's language, as the self-check
// and the preview list them.
#include <cstddef>
#include <string>
#include <vector>

#include "diagnosis/setup_proposal.h"
#include "diagnosis/words.h"

// What the issues proposed for are called (UTF-8, as the reader named them: a file, a message of a
// mailbox) and how many lines stand above each one's text in what the reader has.
struct ProposalSources {
    std::vector<std::string> Names;
    std::vector<size_t> Offsets;
};

// The sections proposed from issues, numbered, each with its caption; for one issue its line and
// boxes, for several the issues it stands and shows in; what to know of each (the issues where it
// does not show, and why); the headings that change from issue to issue; then the separator. A
// line each, indented by two blanks. `sources` names the issues given, of which the proposal's
// are a group.
std::string DescribeProposal(const Words &say, const SetupProposal &proposal,
                             const ProposalSources &sources, Utf8Of utf8);

// The comment that heads a settings file made from the proposal, in UTF-8.
std::string ProposalComment(const Words &say, const SetupProposal &proposal);
