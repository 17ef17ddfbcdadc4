#pragma once
#include <cstddef>

#include "viewer/scan/scan_kernels.h"

// FindText for up to MaxPatterns patterns in the text at `buffer`, which ends at its first NUL or
// after `size` bytes; the first occurrence of each goes to `found`, and the text's length is the
// result. The text is read once, whatever the number of patterns, and its end is found on the
// way: a whole view update costs about one search. Whatever the text holds the cost stays linear:
// each pattern's verifier compares at most twice the text's bytes plus one a candidate, and the
// sieve turns stricter when false candidates pile up. Bytes after the text's end but inside the
// buffer may be read.
size_t FindEachText(const char *buffer, size_t size, const char *const *patterns, size_t count,
                    const char **found);
