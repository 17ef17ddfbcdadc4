#include "diagnosis/section_shape.h"

#include <cstring>

SectionFate FateByLines(const TrialText &text, const char *keyword,
                        const KeywordJudgement &judged) {
    if (judged.Fate != SectionFate::Shows && judged.Fate != SectionFate::NotReached) {
        return judged.Fate;
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
            return SectionFate::RunsOn;
        }
        tail = tail || (rule && body);
        body = body || !rule;
    }
    return body ? SectionFate::Shows : SectionFate::HeadingOnly;
}

int GoodSections(const TrialText &text, const PluginSettings &settings, int &found) {
    const TextJudgement judged = JudgeText(text.Bytes, settings);
    int good = 0;
    found = 0;
    for (int i = 0; i < judged.Count; ++i) {
        const KeywordJudgement &keyword = judged.Keywords[i];
        found += keyword.Fate == SectionFate::NotFound ? 0 : 1;
        good += FateByLines(text, settings.Keywords[keyword.Key], keyword) == SectionFate::Shows
                    ? 1
                    : 0;
    }
    return good;
}
