#pragma once
// What the plugin makes of a text: whether it is an issue and, keyword by keyword, what becomes of
// each and the boxes its section takes. The one judgement that the preview and the self-check put
// into words, each in its own; taken from the plugin's own search, excerpting and paging.
#include <cstddef>
#include <cstdint>
#include <string>

#include "diagnosis/section_fate.h"
#include "settings/settings.h"

struct KeywordJudgement {
    int Key;          // the key's number: 0 for keyword0
    SectionFate Fate; // Shows, NotFound, NoSeparator, TooShort or NotReached
    size_t Line;      // the line of the heading it first finds, where its caption starts (past the
                      // bytes the caption leaves out), from 1; 0 when it is not found
    size_t Boxes;     // the boxes its section shows; for a text that is no issue, would show
    size_t Start;     // the keyword's first byte in the text, when it is found
    size_t End;       // where its section ends (the separator's line feed), when one follows
};

struct TextJudgement {
    size_t Length;       // of the text, up to its first NUL: what the plugin reads
    bool HasMarker;      // the issue marker stands in the text
    size_t MarkerAt;     // where it first stands, from byte 0
    size_t MarkerLine;   // and its line, from 1
    size_t MarkerColumn; // and the character of its line it starts at, from 1
    bool Issue;          // the marker stands within the bytes the plugin looks at
    int Count;           // keywords that are set, judged in Keywords in the order they show
    KeywordJudgement Keywords[KeywordCount];
    size_t Boxes; // the boxes the plugin shows for the text
};

// No box is answered with Cancel.
constexpr size_t NoBoxCancelled = SIZE_MAX;

// Judges the text at `text` (up to its first NUL, or its `size` bytes) with the settings, the box
// numbered `cancelledBox` (from 0) answered with Cancel and every other with OK.
void JudgeText(const char *text, size_t size, const PluginSettings &settings, size_t cancelledBox,
               TextJudgement &judgement);

// The judgement of the text (up to its first NUL) with the settings, every box answered with OK.
inline TextJudgement JudgeText(const std::string &text, const PluginSettings &settings) {
    TextJudgement judgement{};
    JudgeText(text.c_str(), text.size() + 1, settings, NoBoxCancelled, judgement);
    return judgement;
}
