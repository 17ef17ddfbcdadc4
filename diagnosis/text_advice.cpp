#include "diagnosis/text_advice.h"

#include <algorithm>
#include <cstring>

#include "diagnosis/heading_advice.h"
#include "diagnosis/issue_layout.h"
#include "diagnosis/keyword_advice.h"
#include "diagnosis/separator_advice.h"
#include "diagnosis/trial_text.h"
#include "settings/settings_text.h"

namespace {

// The settings with the keywords as the advice's fixes have them.
PluginSettings WithKeywordFixes(const PluginSettings &settings,
                                const std::vector<TextAdvice> &advice) {
    PluginSettings fixed = settings;
    for (const TextAdvice &each : advice) {
        if (!each.Fix.empty()) {
            fixed = WithKeyword(fixed, each.Key, ReadBackValue(each.Fix));
        }
    }
    return fixed;
}

// Whether the advice found the keyword standing outside any section's heading and part: in a
// section's text, the banner, the table of contents or the footer.
bool OutsideSections(const std::vector<TextAdvice> &advice, int key) {
    return std::any_of(advice.begin(), advice.end(), [key](const TextAdvice &each) {
        return each.Key == key && each.Kind == AdviceKind::NotHeading &&
               each.Where != Standing::Item;
    });
}

// What each keyword found or missed by a little could show better as, and what it heads where
// it heads no section.
void AdviseOnKeywords(const TrialText &text, std::vector<TextAdvice> &advice) {
    const TextJudgement judged = JudgeText(text.Bytes, text.Settings);
    const IssueLayout layout = ReadLayout(text.Bytes, text.Lines);
    for (int i = 0; i < judged.Count; ++i) {
        const KeywordJudgement &keyword = judged.Keywords[i];
        if (keyword.Fate == SectionFate::NotFound) {
            AdviseNearMiss(text, keyword.Key, advice);
            continue;
        }
        const size_t before = advice.size();
        AdviseFoundAgain(text, layout, keyword.Key, advice);
        const bool moved = advice.size() > before && !advice.back().Fix.empty();
        if (!moved) {
            // A keyword in a section's text has no caption to mend: its place is what is wrong.
            std::vector<TextAdvice> placed;
            AdviseNotHeading(text, layout, keyword, placed);
            if (!OutsideSections(placed, keyword.Key)) {
                AdviseCaption(text, keyword.Key, keyword, advice);
            }
            advice.insert(advice.end(), placed.begin(), placed.end());
        }
    }
}

} // namespace

std::vector<TextAdvice> AdviseOnText(const std::string &whole, const PluginSettings &settings) {
    const size_t length = std::strlen(whole.c_str());
    if (length > LargestAdvisedText) {
        return {};
    }
    const std::string bytes = whole.substr(0, length);
    const std::vector<TextLine> lines = LinesOf(bytes);
    std::vector<TextAdvice> advice;
    AdviseOnKeywords({bytes, lines, settings}, advice);
    // The separator is judged with the keywords as the reader will have fixed them, and speaks of
    // them as the reader wrote them; of a keyword that stands in no section's heading, the
    // separator is not what shows wrong.
    const PluginSettings fixed = WithKeywordFixes(settings, advice);
    std::vector<TextAdvice> separator;
    AdviseOnSeparator({bytes, lines, fixed}, settings, separator);
    for (const TextAdvice &each : separator) {
        if (!OutsideSections(advice, each.Key)) {
            advice.push_back(each);
        }
    }
    return advice;
}
