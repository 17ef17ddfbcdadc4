#pragma once
// Advice on the separator for a text: keywords that no separator line follows, though rules do,
// and sections whose boxes would hold their headings alone. All take one fix: the separator that
// separator_choice.h chooses for the keywords, as it does for the settings proposed from issues.
#include <vector>

#include "diagnosis/advice.h"
#include "diagnosis/trial_text.h"

// The advice for the text with the settings as the reader will have fixed them; the keywords are
// named as the reader wrote them (`written`).
void AdviseOnSeparator(const TrialText &text, const PluginSettings &written,
                       std::vector<TextAdvice> &advice);
