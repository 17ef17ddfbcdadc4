#include "bench_host.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

#include "host/host_api.h"
#include "mail_text.h"
#include "platform/posix/environment.h"
#include "platform/windows_api.h"
#include "settings/settings.h"
#include "viewer/lead_bytes.h"
#include "viewer/scan_kernels.h"

// Boxes are answered at once: only the plugin's own work is measured.
int MessageBoxA(HWND, LPCSTR, LPCSTR, UINT) { return IDOK; }

namespace {

const std::string *Body = nullptr;

DWORD WINAPI BodyLength() { return static_cast<DWORD>(Body->size()); }

// As a host does: as much of the body as fits, and a terminator.
int WINAPI BodyText(DWORD size, char *buffer) {
    const size_t copied = Body->size() < size ? Body->size() : size - 1;
    std::memcpy(buffer, Body->data(), copied);
    buffer[copied] = '\0';
    return static_cast<int>(copied);
}

} // namespace

void UseBenchSettings() {
    // A host that has run a while serves large blocks from memory it holds already. Without this
    // glibc maps every block of 32 MiB or more afresh, and the kernel clearing new pages for the
    // host's copy of the body, not the plugin's work, would make the figure.
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, INT_MAX);
    setenv(CodePageVariable, "932", 1);
    LoadLeadBytes();
    ChooseScanKernels();
    Settings.KeywordList = BenchKeywords();
    Settings.SeparatorText = std::string("\n") + DefaultSeparator;
    Settings.PageLines = DefaultPageLines;
    HostApi.GetBodyTextLength = BodyLength;
    HostApi.GetBodyText = BodyText;
}

void OfferBody(const std::string &body) { Body = &body; }
