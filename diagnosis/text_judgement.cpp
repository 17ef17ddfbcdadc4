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

// The plugin's own fate of a keyword, in the words of the judgement.
SectionFate FateOf(KeywordFate fate) {
    switch (fate) {
    case KeywordFate::NotSet:
    case KeywordFate::NotFound:
        return SectionFate::NotFound;
    case KeywordFate::NoSeparator:
        return SectionFate::NoSeparator;
    case KeywordFate::TooShort:
        return SectionFate::TooShort;
    case KeywordFate::ToShow:
        return SectionFate::Shows;
    }
    return SectionFate::NotFound;
}

// The keyword's judgement, every box answered with OK.
KeywordJudgement JudgeKeyword(const char *text, int key, const KeywordSection &section,
                              const PluginSettings &settings) {
    KeywordJudgement judgement{key, FateOf(section.Fate), 0, 0, 0, 0};
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

// The boxes shown with the box numbered `cancelledBox` answered with Cancel: the sections in the
// plugin's turn until that box, which is the last shown; those after it are not reached.
void AnswerBoxes(const KeywordSection (&sections)[KeywordCount], size_t cancelledBox,
                 TextJudgement &judgement) {
    KeywordJudgement *byKey[KeywordCount] = {};
    for (int i = 0; i < judgement.Count; ++i) {
        byKey[judgement.Keywords[i].Key] = &judgement.Keywords[i];
    }
    bool reached[KeywordCount] = {};
    judgement.Boxes = 0;
    ShowInTurn(sections, [&](int key) {
        if (byKey[key] == nullptr) {
            return true; // only the keywords that are set come to their turn
        }
        KeywordJudgement &keyword = *byKey[key];
        reached[key] = true;
        const size_t left = cancelledBox - judgement.Boxes;
        if (cancelledBox != NoBoxCancelled && keyword.Boxes > left) {
            keyword.Boxes = left + 1;
        }
        judgement.Boxes += keyword.Boxes;
        return cancelledBox == NoBoxCancelled || judgement.Boxes <= cancelledBox;
    });
    for (int i = 0; i < judgement.Count; ++i) {
        KeywordJudgement &keyword = judgement.Keywords[i];
        if (keyword.Fate == SectionFate::Shows && !reached[keyword.Key]) {
            keyword.Fate = SectionFate::NotReached;
            keyword.Boxes = 0;
        }
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
            judgement.Keywords[judgement.Count++] = JudgeKeyword(text, k, sections[k], settings);
        }
    }
    if (judgement.Issue) {
        AnswerBoxes(sections, cancelledBox, judgement);
    } else {
        judgement.Boxes = 0;
    }
}
