#include "diagnosis/heading_advice.h"

#include "diagnosis/characters.h"

namespace {

// The headings a layout needs to tell a section's heading from a part inside one.
constexpr size_t LevelShown = 3;

// What the line stands in, for a keyword found there; Heads for a section's heading.
Standing StandingOf(const IssueLayout &layout, size_t line) {
    switch (layout.Roles[line - 1]) {
    case LineRole::Heading:
        return Standing::Heads;
    case LineRole::Item:
        return Standing::Item;
    case LineRole::Contents:
        return Standing::Contents;
    case LineRole::Footer:
        return Standing::Footer;
    case LineRole::Body:
    case LineRole::Empty:
    case LineRole::Frame:
        break;
    }
    return line < layout.Headings.front() ? Standing::Banner : Standing::Body;
}

// Whether the keyword found at `start` stands inside a line of text rather than where a heading
// the layout missed would: words before it on its line, or a line too long or a sentence.
bool InsideText(const TrialText &text, const IssueLayout &layout, size_t line, size_t start) {
    const TextLine &at = text.Lines[line - 1];
    for (size_t i = 0; i < at.Characters.size() && at.Bytes[i] < start; ++i) {
        if (IsLetter(at.Characters[i]) || IsDigit(at.Characters[i])) {
            return true;
        }
    }
    const HeadingForm &form = layout.Shapes[line - 1].Form;
    const WideText trimmed = TrimmedLine(at);
    return form.Characters > LongestHeading || (!trimmed.empty() && trimmed.back() == 0x3002);
}

} // namespace

void AdviseNotHeading(const TrialText &text, const IssueLayout &layout,
                      const KeywordJudgement &judged, std::vector<TextAdvice> &advice) {
    // Only a layout of sections tells what a keyword heads; a line of text that may be a heading
    // the layout missed is not called body.
    if (layout.Headings.size() < 2 || judged.Line == 0 || judged.Line > layout.Roles.size()) {
        return;
    }
    const Standing standing = StandingOf(layout, judged.Line);
    const bool inText = standing == Standing::Body || standing == Standing::Banner;
    // A part inside a section is told only where the layout has sections enough to show a level.
    const bool few = standing == Standing::Item && layout.Headings.size() < LevelShown;
    if (standing == Standing::Heads || few ||
        (inText && !InsideText(text, layout, judged.Line, judged.Start))) {
        return;
    }
    TextAdvice notHeading{AdviceKind::NotHeading,
                          judged.Key,
                          text.Settings.Keywords[judged.Key],
                          {judged.Line},
                          false,
                          {},
                          {},
                          {},
                          {},
                          layout.Headings.front(),
                          0,
                          0};
    notHeading.Where = standing;
    advice.push_back(notHeading);
}
