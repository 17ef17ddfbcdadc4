#include "viewer/view_update.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "host/host_api.h"
#include "viewer/excerpt.h"
#include "viewer/find_byte.h"
#include "viewer/find_text.h"

namespace {

// Excerpt distances are signed 32-bit, and no 32-bit process holds a larger body anyway.
constexpr DWORD LargestBody = INT32_MAX;

// Fetches the body into a cleared buffer, so that bytes the host did not write read as the end of
// the text, not as stale memory, and terminates it.
void FetchBody(DWORD size, char *buffer) {
    HostApi.GetBodyText(size, buffer);
    buffer[size - 1] = '\0';
}

// The length of the text in a fetched buffer: up to its first NUL.
size_t TextLength(const char *buffer, DWORD size) { return FindByte(buffer, size, '\0'); }

} // namespace

void HandleViewUpdate() {
    const DWORD length = HostApi.GetBodyTextLength();
    if (length == 0) {
        return;
    }
    // length + 1, capped, without wrapping around at the top of the range.
    const DWORD probeSize = length < ProbeSize - 1 ? length + 1 : ProbeSize;
    auto *probe = static_cast<char *>(std::calloc(probeSize, 1));
    if (probe == nullptr) {
        return;
    }
    FetchBody(probeSize, probe);
    if (FindBytes(probe, TextLength(probe, probeSize), IssueMarker) == nullptr ||
        length > LargestBody) {
        std::free(probe);
        return;
    }
    // A new cleared block rather than the probe's, enlarged: the C runtime hands out large
    // blocks cleared already, which spares a pass over the body.
    std::free(probe);
    auto *body = static_cast<char *>(std::calloc(length, 1));
    if (body == nullptr) {
        return;
    }
    FetchBody(length, body);
    ShowExcerpts(body, length);
    std::free(body);
}
