#pragma once
// The self-check's account of a text, in the reader's language: whether the plugin takes it for
// an issue and, keyword by keyword, what it finds and shows, as the plugin's own judgement has it
// (diagnosis/text_judgement.h), every box answered with OK; then what would show wrong, with the
// fixes the judgement has checked (diagnosis/text_advice.h).
#include <cstddef>
#include <string>

#include "check/messages.h"
#include "check/settings_report.h"
#include "diagnosis/text_judgement.h"
#include "settings/settings.h"

struct TextReport {
    std::string Text;
    TextJudgement Judgement;
    size_t Warnings; // the advice told
};

// The account of the body, in the code page up to its first NUL, whose lines stand `offset`
// lines below the top of what the reader has; the keywords named as the reader wrote them.
TextReport DescribeText(const Messages &say, const std::string &body,
                        const PluginSettings &settings, const WrittenKeywords &written,
                        size_t offset);
