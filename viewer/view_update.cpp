#include "viewer/view_update.h"

#include <cstdlib>
#include <cstring>

#include "host/host_api.h"
#include "viewer/excerpt.h"

namespace {

// 79 bytes of body and a terminator.
constexpr DWORD ProbeSize = 80;

// Fetches the body into the buffer and terminates it there, whatever the host wrote.
void FetchBody(DWORD size, char *buffer) {
    HostApi.GetBodyText(size, buffer);
    buffer[size - 1] = '\0';
}

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
    if (std::strstr(probe, IssueMarker) == nullptr) {
        std::free(probe);
        return;
    }
    auto *body = static_cast<char *>(std::realloc(probe, length));
    if (body == nullptr) {
        std::free(probe);
        return;
    }
    FetchBody(length, body);
    ShowExcerpts(body);
    std::free(body);
}
