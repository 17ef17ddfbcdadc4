#include "failing_heap.h"

#include <cstdlib>

#include "wrapped_heap.h"

namespace {

int HeapCountdown = 0;
int HeapSeen = 0;
std::ptrdiff_t Held = 0;

// True when this allocation is the one to fail.
bool Fails(int &countdown, int &seen) {
    ++seen;
    return countdown > 0 && --countdown == 0;
}

} // namespace

void FailHeapAllocation(int nth) {
    HeapCountdown = nth;
    HeapSeen = 0;
}

int HeapAllocationsSeen() { return HeapSeen; }
std::ptrdiff_t HeapBlocksHeld() { return Held; }

void *__wrap_malloc(size_t size) {
    if (Fails(HeapCountdown, HeapSeen)) {
        return nullptr;
    }
    void *block = __real_malloc(size);
    Held += block != nullptr ? 1 : 0;
    return block;
}

void *__wrap_calloc(size_t count, size_t size) {
    if (Fails(HeapCountdown, HeapSeen)) {
        return nullptr;
    }
    void *block = __real_calloc(count, size);
    Held += block != nullptr ? 1 : 0;
    return block;
}

void *__wrap_realloc(void *block, size_t size) {
    if (Fails(HeapCountdown, HeapSeen)) {
        return nullptr;
    }
    void *moved = __real_realloc(block, size);
    Held += block == nullptr && moved != nullptr ? 1 : 0;
    return moved;
}

void __wrap_free(void *block) {
    Held -= block != nullptr ? 1 : 0;
    __real_free(block);
}
