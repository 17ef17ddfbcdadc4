#pragma once
// The excerpt viewer's searches read to the letter: a walk through the text byte by byte, the
// remaining length measured again at every step. Slow on purpose; the fast ones must agree with
// it exactly, and the benchmarks measure against it.
#include <cstdint>

const char *LiteralFindText(const char *text, const char *pattern);

bool LiteralShowPaged(const char *excerpt, const char *keyword, std::int32_t maxLines);
