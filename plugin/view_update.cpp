#include "plugin/view_update.h"

#include <cstdint>
#include <cstdlib>

#include "viewer/excerpt.h"
#include "viewer/issue.h"
#include "viewer/scan/find_byte.h"

namespace {

// Excerpt distances are signed 32-bit, and no 32-bit process holds a larger body anyway.
constexpr DWORD LargestBody = INT32_MAX;

// Fetches the body into a cleared buffer, so that bytes the host did not write read as the end of
// the text, not as stale memory, and terminates it.
void FetchBody(const HostFunctions &host, DWORD size, char *buffer) {
    host.GetBodyText(size, buffer);
    buffer[size - 1] = '\0';
}

// The length of the text in a fetched buffer: up to its first NUL.
size_t TextLength(const char *buffer, DWORD size) { return FindByte(buffer, size, '\0'); }

} // namespace

void HandleViewUpdate(const HostFunctions &host, const PluginSettings &settings) {
    const DWORD length = host.GetBodyTextLength();
    if (length == 0) {
        return;
    }
    // length + 1, capped, without wrapping around at the top of the range.
    const DWORD probeSize = length < ProbeSize - 1 ? length + 1 : ProbeSize;
    auto *probe = static_cast<char *>(std::calloc(probeSize, 1));
    if (probe == nullptr) {
        return;
    }
    FetchBody(host, probeSize, probe);
    const bool issue = IsIssue(probe, TextLength(probe, probeSize));
    // A new cleared block rather than the probe's, enlarged: the C runtime hands out large
    // blocks cleared already, which spares a pass over the body.
    std::free(probe);
    if (!issue || length > LargestBody) {
        return;
    }
    auto *body = static_cast<char *>(std::calloc(length, 1));
    if (body == nullptr) {
        return;
    }
    FetchBody(host, length, body);
    ShowExcerpts(body, length, settings);
    std::free(body);
}
