#include "diagnosis/section_fates.h"

#include <algorithm>

#include "diagnosis/section_shape.h"

namespace {

// Whether the boxes of the section headed at `line`, which end before the line `end`, hold all
// its text: no word stands from there to the next heading's block (or, after the last heading,
// to a frame or the footer).
bool HoldsAllText(const IssueLayout &layout, size_t line, size_t end) {
    const auto next = std::upper_bound(layout.Headings.begin(), layout.Headings.end(), line);
    const size_t limit = next != layout.Headings.end() ? BlockTop(layout, *next) : 0;
    for (size_t at = end; at <= layout.Shapes.size() && (limit == 0 || at < limit); ++at) {
        const LineRole role = layout.Roles[at - 1];
        if (limit == 0 && (IsFramingLine(layout, at) || role == LineRole::Footer)) {
            return true;
        }
        if (role != LineRole::Empty && !IsFramingLine(layout, at)) {
            return false;
        }
    }
    return true;
}

// What becomes of the section of `keyword` as the plugin judged it.
SectionFate FateOf(const TrialText &text, const IssueLayout &layout, const std::string &keyword,
                   size_t line, const KeywordJudgement *judged) {
    const std::vector<size_t> &headings = layout.Headings;
    if (judged == nullptr || judged->Fate == SectionFate::NotFound || judged->Line != line) {
        return SectionFate::NotFound;
    }
    if (judged->Fate != SectionFate::Shows) {
        return SectionFate::NoSeparator;
    }
    const SectionFate byLines = FateByLines(text, keyword.c_str(), *judged);
    if (byLines != SectionFate::Shows) {
        return byLines == SectionFate::RunsOn ? SectionFate::RunsOn : SectionFate::HeadingOnly;
    }
    const size_t last = LineAt(text.Lines, judged->End);
    const bool takesIn = std::any_of(headings.begin(), headings.end(),
                                     [&](size_t other) { return other > line && other <= last; });
    if (takesIn) {
        return SectionFate::RunsOn;
    }
    return HoldsAllText(layout, line, last + 1) ? SectionFate::Shows : SectionFate::EndsEarly;
}

} // namespace

std::vector<SectionInIssue> FatesIn(const TrialText &text, const IssueLayout &layout,
                                    const std::vector<std::string> &keywords,
                                    const std::vector<size_t> &lines,
                                    const std::string &separator) {
    std::vector<SectionInIssue> fates(keywords.size(), {0, 0, SectionFate::Absent});
    const auto count = static_cast<size_t>(KeywordCount);
    for (size_t first = 0; first < keywords.size(); first += count) {
        PluginSettings settings = WithSeparator(text.Settings, separator);
        for (size_t key = 0; key < count; ++key) {
            const size_t i = first + key;
            const bool set = i < keywords.size() && lines[i] != 0;
            settings = WithKeyword(settings, static_cast<int>(key), set ? keywords[i] : "");
        }
        const TextJudgement judgement = JudgeText(text.Bytes, settings);
        for (size_t i = first; i < keywords.size() && i < first + count; ++i) {
            if (lines[i] == 0) {
                continue;
            }
            const KeywordJudgement *judged = KeywordOf(judgement, static_cast<int>(i - first));
            fates[i].Line = lines[i];
            fates[i].Fate = FateOf(text, layout, keywords[i], lines[i], judged);
            fates[i].Boxes = judged != nullptr ? judged->Boxes : 0;
        }
    }
    return fates;
}
