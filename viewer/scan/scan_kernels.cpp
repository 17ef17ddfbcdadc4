#include "viewer/scan/scan_kernels.h"

#include <cstring>

#include "platform/windows_api.h"

const ScanKernels *Kernels = &sse2::Table;

namespace {

constexpr const char *VectorsVariable = "DOVRINK_VECTORS";

// Widest first.
const ScanKernels *const Choices[] = {&avx2::Table, &sse2::Table};

// Whether this processor has the instructions and the system saves their registers (the
// compiler's check asks both).
bool Allowed(const ScanKernels *kernels) {
    if (kernels == &avx2::Table) {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("popcnt") &&
               __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2");
    }
    return true;
}

} // namespace

bool UseScanKernels(const char *name) {
    for (const ScanKernels *kernels : Choices) {
        if (std::strcmp(kernels->Name, name) == 0 && Allowed(kernels)) {
            Kernels = kernels;
            return true;
        }
    }
    return false;
}

void ChooseScanKernels() {
    char name[16];
    const DWORD length = GetEnvironmentVariableA(VectorsVariable, name, sizeof name);
    if (length > 0 && length < sizeof name && UseScanKernels(name)) {
        return;
    }
    for (const ScanKernels *kernels : Choices) {
        if (Allowed(kernels)) {
            Kernels = kernels;
            return;
        }
    }
}

HeadSift HeadSiftFor(HeadSieve &sieve) {
    int size = 0;
    while (HeadSiftSizes[size] < sieve.Count) {
        ++size;
    }
    for (int i = sieve.Count; i < HeadSiftSizes[size]; ++i) {
        sieve.Heads[i] = sieve.Heads[0];
    }
    return Kernels->SiftHeads[size];
}
