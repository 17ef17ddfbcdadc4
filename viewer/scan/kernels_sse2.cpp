// The scans with 16-byte SSE2 vectors, which every processor the plugin runs on has.
#include <cstddef>
#include <cstdint>

#include "platform/lead_bytes.h"
#include "viewer/scan/bit_mask.h"
#include "viewer/scan/scan_kernels.h"
#include "viewer/scan/trailing_bytes.h"
#include "viewer/scan/vector_sse2.h"

namespace sse2 {

constexpr const char *Name = "sse2";

#include "viewer/scan/block.h"
#include "viewer/scan/scan_loops.h"

} // namespace sse2
