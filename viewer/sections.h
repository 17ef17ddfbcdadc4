#pragma once
// What becomes of each keyword in a body: the one judgement that the boxes are shown from and
// that the preview explains them by.
#include <cstddef>
#include <cstdint>

#include "settings/settings.h"

enum class KeywordFate {
    NotSet,      // the key is not set
    NotFound,    // the keyword is not in the body
    NoSeparator, // found, but no separator text follows it
    TooShort,    // found with its section, which leaves nothing for a box
    ToShow,      // found with a section for the boxes
};

struct KeywordSection {
    KeywordFate Fate;
    const char *Start;          // the keyword's first occurrence, or null
    const char *SeparatorStart; // the separator text after it (its line feed), or null
};

// The excerpt of a section: from the keyword up to the byte before the separator's line feed.
inline size_t ExcerptLength(const KeywordSection &section) {
    return static_cast<size_t>(section.SeparatorStart - section.Start) - 1;
}

// The sections to show, in the plugin's order (keyword0 first), each handed to `show`, which shows
// its boxes one after the other and returns false once a box is cancelled: no box shows after it.
// The one statement of that order, for the plugin and for the judgement that explains it.
template <typename ShowSection>
void ShowInTurn(const KeywordSection (&sections)[KeywordCount], ShowSection show) {
    for (int k = 0; k < KeywordCount; ++k) {
        if (sections[k].Fate == KeywordFate::ToShow && !show(k)) {
            return;
        }
    }
}

// The fate of every keyword of the settings, by its number, in the body: the text at `body` up to
// its first NUL or its `size` bytes. Returns the text's length.
size_t FindSections(const char *body, size_t size, const PluginSettings &settings,
                    KeywordSection (&sections)[KeywordCount]);
