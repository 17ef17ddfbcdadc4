#include "check/text_report.h"

#include "check/checked_text.h"
#include "check/shown_text.h"
#include "diagnosis/text_judgement.h"
#include "viewer/issue.h"

namespace {

std::string Line(const std::string &text) { return text + "\n"; }

std::string Boxes(const Messages &say, size_t count) {
    return count == 1 ? say.OneBox : Fill(say.SomeBoxes, {std::to_string(count)});
}

std::string MarkerLine(const Messages &say, const TextJudgement &judgement) {
    if (!judgement.HasMarker) {
        return Line(Fill(say.MarkerMissing, {IssueMarker}));
    }
    const std::string line = std::to_string(judgement.MarkerLine);
    if (judgement.Issue) {
        return Line(Fill(say.Issue, {IssueMarker, std::to_string(MarkerWindow), line}));
    }
    return Line(Fill(say.MarkerLate, {IssueMarker, std::to_string(judgement.MarkerAt), line,
                                      std::to_string(MarkerWindow)}));
}

// One line for the keyword, numbered as the report lists them.
std::string KeywordLine(const Messages &say, int number, const KeywordJudgement &keyword,
                        const PluginSettings &settings) {
    const std::string shown = std::to_string(number);
    const std::string name = "keyword" + std::to_string(keyword.Key);
    const std::string quoted = Quoted(settings.Keywords[keyword.Key]);
    const std::string line = std::to_string(keyword.Line);
    switch (keyword.Outcome) {
    case KeywordOutcome::Shown:
    case KeywordOutcome::NotReached:
        return Line(Fill(say.Shown, {shown, name, quoted, line, Boxes(say, keyword.Boxes)}));
    case KeywordOutcome::NoSeparator:
        return Line(Fill(say.NoSeparator, {shown, name, quoted, line}));
    case KeywordOutcome::TooShort:
        return Line(Fill(say.TooShort, {shown, name, quoted, line}));
    case KeywordOutcome::NotFound:
        return Line(Fill(say.NotFound, {shown, name, quoted}));
    }
    return {};
}

} // namespace

TextReport DescribeText(const Messages &say, const std::string &body,
                        const PluginSettings &settings) {
    TextJudgement judgement{};
    JudgeText(body.c_str(), TextLength(body) + 1, settings, NoBoxCancelled, judgement);
    TextReport report{MarkerLine(say, judgement), judgement};
    std::string keywords;
    for (int i = 0; i < judgement.Count; ++i) {
        keywords += KeywordLine(say, i + 1, judgement.Keywords[i], settings);
    }
    if (!judgement.Issue) {
        report.Text += judgement.Count > 0 ? Line(say.WereItAnIssue) + keywords : "";
        return report;
    }
    report.Text += keywords;
    report.Text += judgement.Boxes > 0 ? Line(Fill(say.BoxCount, {Boxes(say, judgement.Boxes)}))
                                       : Line(say.NoBox);
    return report;
}
