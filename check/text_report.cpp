#include "check/text_report.h"

#include "check/checked_text.h"
#include "diagnosis/text_advice.h"
#include "platform/ansi_text.h"

namespace {

std::string Line(const std::string &text) { return "  " + text + "\n"; }

} // namespace

TextReport DescribeText(const Messages &say, const std::string &body,
                        const PluginSettings &settings, const WrittenKeywords &written,
                        size_t offset) {
    const Words &words = WordsFor(GetACP());
    TextJudgement judgement{};
    JudgeText(body.c_str(), TextLength(body) + 1, settings, NoBoxCancelled, judgement);
    TextReport report{Line(DescribeMarker(words, judgement, offset)), judgement, 0};
    std::string keywords;
    for (int i = 0; i < judgement.Count; ++i) {
        const KeywordJudgement &keyword = judgement.Keywords[i];
        keywords += Line(DescribeKeyword(words, i + 1, keyword, written[keyword.Key], offset));
    }
    if (!judgement.Issue) {
        report.Text += judgement.Count > 0 ? std::string(say.WereItAnIssue) + "\n" + keywords : "";
        return report;
    }
    report.Text += keywords;
    for (const TextAdvice &advice : AdviseOnText(body, settings)) {
        report.Text += Line(
            Fill(words.AdviceLine, {DescribeAdvice(words, advice, settings, offset, Utf8OfAnsi)}));
        ++report.Warnings;
    }
    report.Text += judgement.Boxes > 0
                       ? std::string(Fill(say.BoxCount, {DescribeBoxes(words, judgement.Boxes)}))
                       : std::string(say.NoBox);
    report.Text += "\n";
    return report;
}
