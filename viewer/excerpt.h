#pragma once
#include <cstddef>
#include <cstdint>

// The distance from the keyword's first occurrence in the body to the start of the separator
// that follows it, or 0 when either is missing. With `out`, also writes the excerpt there: the
// distance less one bytes from the keyword on, and a NUL. The body is `length` bytes of text
// without a NUL, followed by its terminator.
std::int32_t CutExcerpt(const char *body, size_t length, const char *keyword, char *out);

// Shows the excerpt of every keyword in turn, until the user cancels. The body is the text in a
// buffer of `size` bytes, up to its first NUL.
void ShowExcerpts(const char *body, size_t size);
