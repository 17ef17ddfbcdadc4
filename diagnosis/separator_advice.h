#pragma once
// Advice on the separator for a text: keywords that no separator line follows, though rules do,
// and sections whose boxes would hold their headings alone. All take one fix, the separator
// that the plugin's judgement of the same text shows to give the most sections their text.
#include <vector>

#include "diagnosis/advised_text.h"
#include "diagnosis/text_advice.h"

// The advice for the text with the settings as the reader will have fixed them; the keywords are
// named as the reader wrote them (`written`).
void AdviseOnSeparator(const AdvisedText &text, const PluginSettings &written,
                       std::vector<TextAdvice> &advice);
