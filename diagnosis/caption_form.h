#pragma once
// The form of a keyword whose caption reads whole: the keyword less its first ExcerptSkip bytes
// starts a character and keeps every letter of the heading. Where the keyword as it stands in
// the text would cut its caption, the bytes before it on its line, or the line break above it,
// go in front, so that the plugin still finds it at the same place.
#include <cstddef>
#include <string>

#include "diagnosis/trial_text.h"

// Whether the caption starts inside a character, or leaves out a letter of the heading.
bool CutsCaption(const std::string &keyword);

// Whether keyword `key` set to the value is found first at `start`, as the settings can write it.
bool FoundAt(const TrialText &text, int key, const std::string &value, size_t start);

// The keyword (found at `start`) with a whole caption, in `form`; false when none is found.
bool WholeCaptionForm(const TrialText &text, int key, size_t start, const std::string &keyword,
                      std::string &form);
