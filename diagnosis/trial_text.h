#pragma once
// An issue's text on which settings are tried, for the advice and the proposal alike: the text,
// its lines, the settings, and those settings with a keyword or the separator changed to try a
// fix, which the plugin's own judgement (text_judgement.h) then tells the fate of.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "diagnosis/text_judgement.h"
#include "diagnosis/text_lines.h"
#include "settings/settings.h"

struct TrialText {
    const std::string &Bytes; // in the code page, up to its first NUL
    const std::vector<TextLine> &Lines;
    const PluginSettings &Settings;
};

// A rule that ends a section is a line of this many characters or more.
constexpr size_t RuleLength = 3;

// The judgement of keyword `key`; null when it is not set. It points into the judgement, which
// must outlive it.
const KeywordJudgement *KeywordOf(const TextJudgement &judgement, int key);
const KeywordJudgement *KeywordOf(const TextJudgement &&judgement, int key) = delete;

// The settings with keyword `key`, or the separator, set to the value (in the code page, as the
// plugin holds it after reading: line breaks as CR LF).
PluginSettings WithKeyword(const PluginSettings &settings, int key, const std::string &value);
PluginSettings WithSeparator(const PluginSettings &settings, const std::string &value);

// The longest beginning of a rule tried as a separator: the settings hold little more.
constexpr size_t LongestSeparator = 120;

// Adds a separator to try, unless it is empty, tried already, or `most` are.
void AddSeparatorCandidate(const std::string &candidate, std::vector<std::string> &candidates,
                           size_t most = SIZE_MAX);

bool IsLineBreak(char c);

// Whether the line is a rule, or holds nothing but blanks.
bool IsRule(const TextLine &line);
bool IsBlankLine(const TextLine &line);
