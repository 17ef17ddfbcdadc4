#include "counting_heap.h"

#include <cstdlib>

#include "wrapped_heap.h"

namespace {

// Each block carries its size in front, aligned as malloc aligns.
constexpr size_t Header = alignof(std::max_align_t);

size_t Held = 0;
size_t Peak = 0;
std::vector<size_t> Asked;

void *Counted(void *base, size_t size) {
    if (base == nullptr) {
        return nullptr;
    }
    *static_cast<size_t *>(base) = size;
    Held += size;
    Peak = Held > Peak ? Held : Peak;
    Asked.push_back(size);
    return static_cast<char *>(base) + Header;
}

void *Base(void *block) { return static_cast<char *>(block) - Header; }

size_t SizeOf(void *block) { return *static_cast<size_t *>(Base(block)); }

} // namespace

void *__wrap_malloc(size_t size) { return Counted(__real_malloc(size + Header), size); }

// The compiler may turn malloc and memset into calloc. Here the count is always 1, and the header
// a few zeroed bytes more.
void *__wrap_calloc(size_t count, size_t size) {
    return Counted(__real_calloc(1, count * size + Header), count * size);
}

void *__wrap_realloc(void *block, size_t size) {
    if (block == nullptr) {
        return __wrap_malloc(size);
    }
    const size_t old = SizeOf(block);
    void *moved = __real_realloc(Base(block), size + Header);
    if (moved == nullptr) {
        return nullptr;
    }
    Held -= old;
    return Counted(moved, size);
}

void __wrap_free(void *block) {
    if (block != nullptr) {
        Held -= SizeOf(block);
        __real_free(Base(block));
    }
}

void ResetHeapPeak() {
    Peak = Held;
    Asked.clear();
}

size_t HeapPeak() { return Peak; }

const std::vector<size_t> &BlocksAsked() { return Asked; }
