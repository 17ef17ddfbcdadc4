#include "diagnosis/text_judgement.h"

#include <cstring>

#include "platform/lead_bytes.h"
#include "viewer/caption.h"
#include "viewer/issue.h"
#include "viewer/pages.h"
#include "viewer/sections.h"

namespace {

size_t LineOf(const char *text, const char *at) {
    size_t line = 1;
    for (const char *c = text; c < at; ++c) {
        line += *c == '\n' ? 1 : 0;
    }
    return line;
}

// The character of its line that the byte at `at` starts, from 1.
size_t ColumnOf(const char *text, const char *at) {
    const char *line = at;
    while (line > text && line[-1] != '\n') {
        --line;
    }
    size_t column = 1;
    for (const char *c = line; c < at; c += IsLeadByte(*c) && c + 1 < at ? 2 : 1) {
        ++column;
    }
    return column;
}

KeywordOutcome OutcomeOf(KeywordFate fate) {
    switch (fate) {
    case KeywordFate::NotSet:
    case KeywordFate::NotFound:
        return KeywordOutcome::NotFound;
    case KeywordFate::NoSeparator:
        return KeywordOutcome::NoSeparator;
    case KeywordFate::TooShort:
        return KeywordOutcome::TooShort;
    case KeywordFate::ToShow:
        return KeywordOutcome::Shown;
    }
    return KeywordOutcome::NotFound;
}

// The keyword's judgement, every box answered with OK.
KeywordJudgement Judge(const char *text, int key, const KeywordSection &section,
                       const PluginSettings &settings) {
    KeywordJudgement judgement{key, OutcomeOf(section.Fate), 0, 0, 0, 0};
    if (section.Start != nullptr) {
        // The keyword stands on the line of its caption, the heading: past the bytes that the
        // caption leaves out (a line break, the end of a rule above), or at its last byte.
        const size_t length = std::strlen(settings.Keywords[key]);
        const size_t caption = length > static_cast<size_t>(ExcerptSkip)
                                   ? static_cast<size_t>(ExcerptSkip)
                                   : (length > 0 ? length - 1 : 0);
        judgement.Line = LineOf(text, section.Start + caption);
        judgement.Start = static_cast<size_t>(section.Start - text);
    }
    if (section.SeparatorStart != nullptr) {
        judgement.End = static_cast<size_t>(section.SeparatorStart - text);
    }
    if (section.Fate == KeywordFate::ToShow) {
        judgement.Boxes = CountPages(section.Start, ExcerptLength(section), settings.PageLines);
    }
    return judgement;
}

// The plugin shows the keywords in order, each section's boxes one after the other, until a box
// is cancelled: the cancelled box is the last shown.
void AnswerBoxes(bool issue, size_t cancelledBox, TextJudgement &judgement) {
    judgement.Boxes = 0;
    for (int i = 0; i < judgement.Count; ++i) {
        KeywordJudgement &keyword = judgement.Keywords[i];
        if (!issue || keyword.Outcome != KeywordOutcome::Shown) {
            continue;
        }
        if (judgement.Boxes > cancelledBox) {
            keyword.Outcome = KeywordOutcome::NotReached;
            keyword.Boxes = 0;
            continue;
        }
        if (cancelledBox != NoBoxCancelled) {
            const size_t left = cancelledBox - judgement.Boxes + 1;
            keyword.Boxes = keyword.Boxes < left ? keyword.Boxes : left;
        }
        judgement.Boxes += keyword.Boxes;
    }
}

} // namespace

void JudgeText(const char *text, size_t size, const PluginSettings &settings, size_t cancelledBox,
               TextJudgement &judgement) {
    KeywordSection sections[KeywordCount];
    judgement.Length = FindSections(text, size, settings, sections);
    const char *marker = FindIssueMarker(text, judgement.Length);
    judgement.HasMarker = marker != nullptr;
    judgement.MarkerAt = judgement.HasMarker ? static_cast<size_t>(marker - text) : 0;
    judgement.MarkerLine = judgement.HasMarker ? LineOf(text, marker) : 0;
    judgement.MarkerColumn = judgement.HasMarker ? ColumnOf(text, marker) : 0;
    judgement.Issue = IsIssue(text, judgement.Length);
    judgement.Count = 0;
    for (int k = 0; k < KeywordCount; ++k) {
        if (sections[k].Fate != KeywordFate::NotSet) {
            judgement.Keywords[judgement.Count++] = Judge(text, k, sections[k], settings);
        }
    }
    AnswerBoxes(judgement.Issue, cancelledBox, judgement);
}
