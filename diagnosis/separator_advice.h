#pragma once
// Advice on the separator for a text: keywords that no separator line follows, though rules do,
// and sections whose boxes would hold their headings alone. All take one fix, the separator
// that the plugin's judgement of the same text shows to give the most sections their text.
#include <vector>

#include "diagnosis/advised_text.h"
#include "diagnosis/text_advice.h"

void AdviseOnSeparator(const AdvisedText &text, std::vector<TextAdvice> &advice);
