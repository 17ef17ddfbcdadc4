#include "diagnosis/separator_advice.h"

#include <algorithm>

#include "diagnosis/rules.h"
#include "diagnosis/section_shape.h"
#include "diagnosis/separator_choice.h"
#include "settings/settings_text.h"

namespace {

TextAdvice AdviceOn(AdviceKind kind, const PluginSettings &written,
                    const KeywordJudgement &judged) {
    TextAdvice advice{};
    advice.Kind = kind;
    advice.Key = judged.Key;
    advice.Keyword = written.Keywords[judged.Key];
    advice.Lines = {judged.Line};
    return advice;
}

// The rule lines after the line `after` (from 1), in the order they come, each once, up to
// `most` of them.
std::vector<WideText> RulesAfter(const TrialText &text, size_t after, size_t most) {
    std::vector<WideText> rules;
    for (size_t line = after; line < text.Lines.size() && rules.size() < most; ++line) {
        const WideText rule = RuleOf(text.Lines[line].Characters, RuleLength);
        if (!rule.empty() && std::find(rules.begin(), rules.end(), rule) == rules.end()) {
            rules.push_back(rule);
        }
    }
    return rules;
}

// What is wrong with each keyword's section for the separator.
std::vector<TextAdvice> SeparatorProblems(const TrialText &text, const PluginSettings &written,
                                          const TextJudgement &judged) {
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
            problems.push_back(missed);
        } else if (FateByLines(text, text.Settings.Keywords[keyword.Key], keyword) ==
                   SectionFate::HeadingOnly) {
            problems.push_back(AdviceOn(AdviceKind::HeadingOnly, written, keyword));
        }
    }
    return problems;
}

// The separator chosen for the reader's keywords, as for the settings proposed from an issue:
// each keyword found is a section, headed where it is found, whatever else the layout reads
// there.
struct SeparatorVerdict {
    std::string Fix; // empty when the current separator shows as many
    int Shown;
    int Found;
};

SeparatorVerdict ChooseForKeywords(const TrialText &text, const TextJudgement &judged) {
    Issues issues{{ReadOf(text.Bytes)}, text.Settings};
    std::vector<size_t> &headings = issues.Read.front().Layout.Headings;
    std::vector<SectionForms> sections;
    for (int i = 0; i < judged.Count; ++i) {
        const KeywordJudgement &keyword = judged.Keywords[i];
        if (keyword.Fate != SectionFate::NotFound) {
            sections.push_back(
                {{keyword.Line}, {{text.Settings.Keywords[keyword.Key], {}, false, true}}});
            headings.push_back(keyword.Line);
        }
    }
    std::sort(headings.begin(), headings.end());
    headings.erase(std::unique(headings.begin(), headings.end()), headings.end());
    const std::pair<std::string, FormChoice> chosen = ChooseSeparator(issues, sections);
    const bool current = chosen.first == text.Settings.SeparatorText + 1;
    return {current ? std::string() : chosen.first, static_cast<int>(chosen.second.Shown),
            static_cast<int>(sections.size())};
}

} // namespace

void AdviseOnSeparator(const TrialText &text, const PluginSettings &written,
                       std::vector<TextAdvice> &advice) {
    const TextJudgement judged = JudgeText(text.Bytes, text.Settings);
    std::vector<TextAdvice> problems = SeparatorProblems(text, written, judged);
    if (problems.empty()) {
        return;
    }
    const SeparatorVerdict verdict = ChooseForKeywords(text, judged);
    for (TextAdvice &problem : problems) {
        problem.Fix = verdict.Fix.empty() ? std::string() : WrittenValue(verdict.Fix);
        problem.Shown = verdict.Shown;
        problem.Found = verdict.Found;
        advice.push_back(problem);
    }
}
