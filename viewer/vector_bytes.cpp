#include "viewer/vector_bytes.h"

bool WideVectors = true;

bool UseWideVectors() {
    static const bool avx2 = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return avx2 && WideVectors;
}
