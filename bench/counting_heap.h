#pragma once
// Counts the bytes that the code linked with
// -Wl,--wrap=malloc,--wrap=calloc,--wrap=realloc,--wrap=free holds on the C heap, and the most it
// held at once.
#include <cstddef>
#include <vector>

// Starts a count: the peak from what is held now, and no blocks asked for yet.
void ResetHeapPeak();
size_t HeapPeak();
// The size of every block asked for since the last reset, in order.
const std::vector<size_t> &BlocksAsked();
