#pragma once
// Rule lines, as newsletters draw them between their parts: one character or a pair of
// characters repeated across the line (━━━━, ------, ＝＝＝＝, □■□■), nothing else on it but
// blanks.
#include <cstddef>

#include "diagnosis/text_lines.h"

// The rule a line draws: its characters without the blanks around them; empty when the line is
// no rule of `least` characters or more.
WideText RuleOf(const WideText &line, size_t least);
