#include "viewer/view_update.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "host/host_api.h"
#include "viewer/excerpt.h"
#include "viewer/find_byte.h"
#include "viewer/find_text.h"

namespace {

// 79 bytes of body and a terminator.
constexpr DWORD ProbeSize = 80;

// Excerpt distances are signed 32-bit, and no 32-bit process holds a larger body anyway.
constexpr DWORD LargestBody = INT32_MAX;

// Fetches the body into the buffer and terminates it there. The buffer is cleared first, so that
// bytes the host did not write read as the end of the text, not as stale memory.
void FetchBody(DWORD size, char *buffer) {
    std::memset(buffer, 0, size);
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
    auto *probe = static_cast<char *>(std::malloc(probeSize));
    if (probe == nullptr) {
        return;
    }
    FetchBody(probeSize, probe);
    if (FindBytes(probe, TextLength(probe, probeSize), IssueMarker) == nullptr ||
        length > LargestBody) {
        std::free(probe);
        return;
    }
    auto *body = static_cast<char *>(std::realloc(probe, length));
    if (body == nullptr) {
        std::free(probe);
        return;
    }
    FetchBody(length, body);
    ShowExcerpts(body, TextLength(body, length));
    std::free(body);
}
