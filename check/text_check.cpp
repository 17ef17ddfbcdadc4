#include "check/text_check.h"

#include "check/show_boxes.h"
#include "check/text_report.h"
#include "diagnosis/text_judgement.h"
#include "diagnosis/words.h"
#include "platform/windows_api.h"

std::string Verdict(const RunTally &tally) {
    const Words &words = WordsFor(GetACP());
    return (tally.Warnings == 0 ? std::string(words.NoMistakes)
                                : Fill(words.SomeWarnings, {std::to_string(tally.Warnings)})) +
           "\n";
}

void CheckText(const Messages &say, const CheckSystem &system, const CheckedBody &checked,
               const ReadSettingsFiles &read, bool show, RunTally &tally) {
    const TextReport report =
        DescribeText(say, checked.Body, read.Settings, read.Written, checked.Offset);
    system.Tell(report.Text);
    tally.Issues = report.Judgement.Issue ? 1 : 0;
    tally.Boxes = report.Judgement.Boxes;
    tally.Warnings += report.Warnings;
    system.Tell("\n" + Verdict(tally));
    if (show || (tally.Boxes > 0 && system.OwnWindow && system.AskYes(say.AskShow))) {
        ShowBoxesAsPlugin(checked.Body, read.Settings);
    }
}

bool NoKeywordFound(const CheckedBody &checked, const PluginSettings &settings) {
    TextJudgement judgement{};
    JudgeText(checked.Body.c_str(), checked.Body.size() + 1, settings, NoBoxCancelled, judgement);
    for (int i = 0; i < judgement.Count; ++i) {
        if (judgement.Keywords[i].Fate != SectionFate::NotFound) {
            return false;
        }
    }
    return true;
}
