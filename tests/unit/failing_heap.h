#pragma once
// The C heap of the code linked with -Wl,--wrap=malloc,--wrap=calloc,--wrap=realloc,--wrap=free,
// made to fail one chosen allocation: each allocation in turn can be made to fail, and what is
// left held afterwards shows a leak.
#include <cstddef>

// Fails the nth C heap allocation from now (1 for the next); 0 fails none.
void FailHeapAllocation(int nth);
// C heap allocations asked for since the last FailHeapAllocation.
int HeapAllocationsSeen();
// C heap blocks held now.
std::ptrdiff_t HeapBlocksHeld();
