// The scans with 32-byte AVX2 vectors and the bit instructions of the same processors. Everything
// shared is included before the target switch, so that only what this file defines, all of it in
// namespace avx2, is compiled for AVX2; it runs only where ChooseScanKernels finds AVX2 allowed.
#include <immintrin.h>

#include <cstddef>
#include <cstdint>

#include "platform/lead_bytes.h"
#include "viewer/scan/bit_mask.h"
#include "viewer/scan/scan_kernels.h"
#include "viewer/scan/trailing_bytes.h"

// GCC builds the plugin; clang builds the fuzz targets.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2,popcnt,bmi,bmi2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,popcnt,bmi,bmi2")
#endif

#include "viewer/scan/vector_avx2.h"

namespace avx2 {

constexpr const char *Name = "avx2";

#include "viewer/scan/block.h"
#include "viewer/scan/scan_loops.h"

} // namespace avx2

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif
