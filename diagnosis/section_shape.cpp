#include "diagnosis/section_shape.h"

#include <cstring>

Shape ShapeOf(const AdvisedText &text, const char *keyword, const KeywordJudgement &judged) {
    if (judged.Outcome != KeywordOutcome::Shown && judged.Outcome != KeywordOutcome::NotReached) {
        return Shape::NotShown;
    }
    const size_t first = LineAt(text.Lines, judged.Start + std::strlen(keyword));
    const size_t last = LineAt(text.Lines, judged.End);
    bool body = false;
    bool tail = false;
    for (size_t line = first + 1; line <= last; ++line) {
        const TextLine &shown = text.Lines[line - 1];
        if (IsBlankLine(shown)) {
            continue;
        }
        const bool rule = IsRule(shown);
        if (!rule && tail) {
            return Shape::RunsOn;
        }
        tail = tail || (rule && body);
        body = body || !rule;
    }
    return body ? Shape::Good : Shape::HeadingOnly;
}

int GoodSections(const AdvisedText &text, const PluginSettings &settings, int &found) {
    const TextJudgement judged = Judge(text.Bytes, settings);
    int good = 0;
    found = 0;
    for (int i = 0; i < judged.Count; ++i) {
        const KeywordJudgement &keyword = judged.Keywords[i];
        found += keyword.Outcome == KeywordOutcome::NotFound ? 0 : 1;
        good += ShapeOf(text, settings.Keywords[keyword.Key], keyword) == Shape::Good ? 1 : 0;
    }
    return good;
}
