#include "preview/explanation.h"

#include "preview/settings_report.h"
#include "viewer/issue.h"

TextJudgement JudgeBody(const std::string &body, const PluginInspection &plugin,
                        const std::vector<ShownBox> &boxes) {
    size_t cancelled = NoBoxCancelled;
    for (size_t i = 0; i < boxes.size() && cancelled == NoBoxCancelled; ++i) {
        cancelled = boxes[i].Cancelled ? i : NoBoxCancelled;
    }
    TextJudgement judgement{};
    plugin.JudgeText(body.c_str(), body.size() + 1, *plugin.Settings, cancelled, judgement);
    return judgement;
}

std::string DescribeKeyword(const KeywordJudgement &keyword, const PluginSettings &settings) {
    const std::string where = "found at line " + std::to_string(keyword.Line);
    std::string what;
    switch (keyword.Outcome) {
    case KeywordOutcome::Shown:
        what = where + ", shown in " + std::to_string(keyword.Boxes) +
               (keyword.Boxes == 1 ? " box" : " boxes");
        break;
    case KeywordOutcome::NotFound:
        what = "not found";
        break;
    case KeywordOutcome::NoSeparator:
        what = where + ", but no separator line " + Visible(settings.SeparatorText) + " follows it";
        break;
    case KeywordOutcome::TooShort:
        what = where + ", but its section is too short to show anything";
        break;
    case KeywordOutcome::NotReached:
        what = where + ", not shown: an earlier box was cancelled";
        break;
    }
    return Visible(settings.Keywords[keyword.Key]) + ": " + what;
}

std::string DescribeNoIssue(const TextJudgement &judgement) {
    const std::string marker = std::string("\"") + IssueMarker + "\"";
    if (!judgement.HasMarker) {
        return "Not an issue: " + marker + " does not occur in it.";
    }
    return "Not an issue: " + marker + " first occurs at byte " +
           std::to_string(judgement.MarkerAt) + ", past the first " + std::to_string(MarkerWindow) +
           " bytes, where the plugin looks.";
}
