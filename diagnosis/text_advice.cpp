#include "diagnosis/text_advice.h"

#include <cstring>

#include "diagnosis/advised_text.h"
#include "diagnosis/keyword_advice.h"
#include "diagnosis/separator_advice.h"

namespace {

// The settings with the keywords as the advice's fixes have them.
PluginSettings WithKeywordFixes(const PluginSettings &settings,
                                const std::vector<TextAdvice> &advice) {
    PluginSettings fixed = settings;
    for (const TextAdvice &each : advice) {
        if (!each.Fix.empty()) {
            fixed = WithKeyword(fixed, each.Key, ReadBack(each.Fix));
        }
    }
    return fixed;
}

// What each keyword found or missed by a little could show better as.
void AdviseOnKeywords(const AdvisedText &text, std::vector<TextAdvice> &advice) {
    const TextJudgement judged = Judge(text.Bytes, text.Settings);
    for (int i = 0; i < judged.Count; ++i) {
        const KeywordJudgement &keyword = judged.Keywords[i];
        if (keyword.Outcome == KeywordOutcome::NotFound) {
            AdviseNearMiss(text, keyword.Key, advice);
            continue;
        }
        AdviseFoundAgain(text, keyword.Key, advice);
        const bool moved =
            !advice.empty() && advice.back().Key == keyword.Key && !advice.back().Fix.empty();
        if (!moved) {
            AdviseCaption(text, keyword.Key, keyword, advice);
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
    // The separator is judged with the keywords as the reader will have fixed them.
    const PluginSettings fixed = WithKeywordFixes(settings, advice);
    AdviseOnSeparator({bytes, lines, fixed}, advice);
    return advice;
}

std::string WrittenValue(const std::string &value) {
    std::string written;
    for (size_t i = 0; i < value.size(); ++i) {
        if (value.compare(i, 2, "\r\n") == 0) {
            written += "\\n";
            ++i;
        } else {
            written += value[i];
        }
    }
    // The settings file trims blanks around a value, and takes quotes off one that has them.
    const bool blank = !written.empty() && (written.front() == ' ' || written.front() == '\t' ||
                                            written.back() == ' ' || written.back() == '\t');
    const bool quoted = written.size() >= 2 &&
                        (written.front() == '"' || written.front() == '\'') &&
                        written.back() == written.front();
    return blank || quoted ? "\"" + written + "\"" : written;
}
