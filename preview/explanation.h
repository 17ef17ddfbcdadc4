#pragma once
// Why a message showed what it showed, in the preview's words: the plugin's own judgement of the
// body, with the boxes it showed and the answers they got.
#include <string>
#include <vector>

#include "diagnosis/text_judgement.h"
#include "plugin/for_preview.h"
#include "preview/host_exports.h"

// The plugin's judgement of the body it was handed, given how its boxes were answered.
TextJudgement JudgeBody(const std::string &body, const PluginInspection &plugin,
                        const std::vector<ShownBox> &boxes);

// One line for the user about the keyword (shown in UTF-8).
std::string DescribeKeyword(const KeywordJudgement &keyword, const PluginSettings &settings);

// One line for the user about a text that is not an issue.
std::string DescribeNoIssue(const TextJudgement &judgement);
