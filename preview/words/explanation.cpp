#include "preview/words/explanation.h"

#include "diagnosis/words.h"
#include "platform/ansi_text.h"

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

std::string DescribeKeyword(int number, const KeywordJudgement &keyword,
                            const PluginSettings &settings) {
    return DescribeKeyword(EnglishWords(), number, keyword,
                           Utf8OfAnsi(settings.Keywords[keyword.Key]), 0);
}

std::string DescribeMarker(const TextJudgement &judgement) {
    return DescribeMarker(EnglishWords(), judgement, 0);
}

std::string DescribeProposal(const SetupProposal &proposal, const ProposalSources &sources) {
    return DescribeProposal(EnglishWords(), proposal, sources, Utf8OfAnsi);
}

std::string DescribeAdvice(const TextAdvice &advice, const PluginSettings &settings) {
    const Words &say = EnglishWords();
    return Fill(say.AdviceLine, {DescribeAdvice(say, advice, settings, 0, Utf8OfAnsi)});
}
