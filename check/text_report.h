#pragma once
// The self-check's account of a text, in the reader's language: whether the plugin takes it for
// an issue and, keyword by keyword, what it finds and shows, as the plugin's own judgement has it
// (diagnosis/text_judgement.h), every box answered with OK.
#include <string>

#include "check/messages.h"
#include "diagnosis/text_judgement.h"
#include "settings/settings.h"

struct TextReport {
    std::string Text;
    TextJudgement Judgement;
};

// The account of the text, in the code page up to its first NUL.
TextReport DescribeText(const Messages &say, const std::string &body,
                        const PluginSettings &settings);
