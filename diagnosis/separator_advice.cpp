#include "diagnosis/separator_advice.h"

#include <algorithm>

#include "diagnosis/characters.h"
#include "diagnosis/rules.h"
#include "diagnosis/section_shape.h"
#include "settings/settings_text.h"

namespace {

// The rules tried as separators, beyond the keywords' marks.
constexpr size_t MostRulesTried = 8;

TextAdvice AdviceOn(AdviceKind kind, const PluginSettings &written,
                    const KeywordJudgement &judged) {
    return {kind, judged.Key, written.Keywords[judged.Key], {judged.Line}, false, {}, {}, {}, {}, 0,
            0,    0};
}

// The rule lines after the line `after` (from 1), in the order they come, each once, up to
// `most` of them.
std::vector<WideText> RulesAfter(const AdvisedText &text, size_t after, size_t most) {
    std::vector<WideText> rules;
    for (size_t line = after; line < text.Lines.size() && rules.size() < most; ++line) {
        const WideText rule = RuleOf(text.Lines[line].Characters, RuleLength);
        if (!rule.empty() && std::find(rules.begin(), rules.end(), rule) == rules.end()) {
            rules.push_back(rule);
        }
    }
    return rules;
}

// Each beginning of the rule, from RuleLength characters on: the shortest that matches it first.
void AddBeginnings(const WideText &rule, std::vector<std::string> &candidates) {
    const size_t longest = std::min(rule.size(), LongestSeparator);
    for (size_t length = std::min(RuleLength, rule.size()); length <= longest; ++length) {
        AddSeparatorCandidate(AnsiOfWide(rule.substr(0, length)), candidates);
    }
}

// The character that opens each keyword with a mark, as its heading's neighbours open too, and
// the beginnings of the text's rules.
void AddMarksAndRules(const AdvisedText &text, std::vector<std::string> &candidates) {
    for (const auto &keyword : text.Settings.Keywords) {
        const WideText wide = WideOfAnsi(keyword);
        const WCHAR breaks[] = {'\r', '\n', 0};
        const size_t start = wide.find_first_not_of(breaks);
        if (start != WideText::npos && !IsLetter(wide[start]) && !IsDigit(wide[start]) &&
            !IsBlank(wide[start])) {
            AddSeparatorCandidate(AnsiOfWide(wide.substr(start, 1)), candidates);
        }
    }
    for (const WideText &rule : RulesAfter(text, 0, MostRulesTried)) {
        AddSeparatorCandidate(AnsiOfWide(rule.substr(0, std::min(RuleLength, rule.size()))),
                              candidates);
        AddSeparatorCandidate(AnsiOfWide(rule.substr(0, std::min(LongestSeparator, rule.size()))),
                              candidates);
    }
}

// What is wrong with each keyword's section for the separator, and the separators to try.
std::vector<TextAdvice> SeparatorProblems(const AdvisedText &text, const PluginSettings &written,
                                          std::vector<std::string> &candidates) {
    const TextJudgement judged = Judge(text.Bytes, text.Settings);
    std::vector<TextAdvice> problems;
    for (int i = 0; i < judged.Count; ++i) {
        const KeywordJudgement &keyword = judged.Keywords[i];
        if (keyword.Fate == SectionFate::NoSeparator) {
            const std::vector<WideText> rules = RulesAfter(text, keyword.Line, MostRules);
            if (rules.empty()) {
                continue;
            }
            TextAdvice missed = AdviceOn(AdviceKind::RuleMissed, written, keyword);
            for (const WideText &rule : rules) {
                missed.Rules.push_back(AnsiOfWide(rule));
            }
            AddBeginnings(rules.front(), candidates);
            problems.push_back(missed);
        } else if (FateByLines(text, text.Settings.Keywords[keyword.Key], keyword) ==
                   SectionFate::HeadingOnly) {
            problems.push_back(AdviceOn(AdviceKind::HeadingOnly, written, keyword));
        }
    }
    return problems;
}

} // namespace

void AdviseOnSeparator(const AdvisedText &text, const PluginSettings &written,
                       std::vector<TextAdvice> &advice) {
    std::vector<std::string> candidates;
    std::vector<TextAdvice> problems = SeparatorProblems(text, written, candidates);
    if (problems.empty()) {
        return;
    }
    AddMarksAndRules(text, candidates);
    int found = 0;
    int best = GoodSections(text, text.Settings, found);
    std::string fix;
    for (const std::string &candidate : candidates) {
        int all = 0;
        const int shown = SeparatorFits(candidate)
                              ? GoodSections(text, WithSeparator(text.Settings, candidate), all)
                              : 0;
        if (shown > best) {
            best = shown;
            fix = candidate;
            found = all;
        }
    }
    for (TextAdvice &problem : problems) {
        problem.Fix = fix;
        problem.Shown = best;
        problem.Found = found;
        advice.push_back(problem);
    }
}
