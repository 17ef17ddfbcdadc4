// The scans with 32-byte AVX2 vectors and the bit instructions of the same processors. Everything
// shared is included before the target switch, so that only what this file defines, all of it in
// namespace avx2, is compiled for AVX2; it runs only where ChooseScanKernels finds AVX2 allowed.
#include <cstddef>
#include <cstdint>

#include "viewer/bit_mask.h"
#include "viewer/char_starts.h"
#include "viewer/lead_bytes.h"
#include "viewer/scan_kernels.h"

#pragma GCC push_options
#pragma GCC target("avx2,popcnt,bmi,bmi2")

#include "viewer/block_avx2.h"

namespace avx2 {

constexpr const char *Name = "avx2";

#include "viewer/scan_loops.h"

} // namespace avx2

#pragma GCC pop_options
