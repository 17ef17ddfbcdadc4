#pragma once
// Why a message showed what it showed, in the words that the self-check on Windows uses too
// (diagnosis/words.h): the plugin's own judgement of the body, with the boxes it showed and the
// answers they got, and its advice where boxes show wrong.
#include <string>
#include <vector>

#include "diagnosis/proposal_words.h"
#include "diagnosis/setup_proposal.h"
#include "diagnosis/text_advice.h"
#include "diagnosis/text_judgement.h"
#include "plugin/for_preview.h"
#include "preview/stand_in/host_exports.h"

// The plugin's judgement of the body it was handed, given how its boxes were answered.
TextJudgement JudgeBody(const std::string &body, const PluginInspection &plugin,
                        const std::vector<ShownBox> &boxes);

// One line for the reader about the keyword, `number` in the list (UTF-8).
std::string DescribeKeyword(int number, const KeywordJudgement &keyword,
                            const PluginSettings &settings);

// One line about where the issue marker stands.
std::string DescribeMarker(const TextJudgement &judgement);

// One line for an advice on the body, marked as a warning.
std::string DescribeAdvice(const TextAdvice &advice, const PluginSettings &settings);

// The settings proposed from issues (named in `sources`), a line each.
std::string DescribeProposal(const SetupProposal &proposal, const ProposalSources &sources);
