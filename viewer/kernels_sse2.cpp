// The scans with 16-byte SSE2 vectors, which every processor the plugin runs on has.
#include <cstddef>
#include <cstdint>

#include "viewer/bit_mask.h"
#include "viewer/char_starts.h"
#include "viewer/lead_bytes.h"
#include "viewer/scan_kernels.h"
#include "viewer/vector_sse2.h"

namespace sse2 {

constexpr const char *Name = "sse2";

#include "viewer/block.h"
#include "viewer/scan_loops.h"

} // namespace sse2
