#include "bench_host.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

#include "host/copy_text.h"
#include "mail_text.h"
#include "platform/lead_bytes.h"
#include "platform/posix/environment.h"
#include "platform/windows_api.h"
#include "plugin/view_update.h"
#include "settings_record.h"
#include "viewer/scan/scan_kernels.h"

// Boxes are answered at once: only the plugin's own work is measured.
int MessageBoxA(HWND, LPCSTR, LPCSTR, UINT) { return IDOK; }

namespace {

const std::string *Body = nullptr;
PluginSettings Settings;
HostFunctions Host;

DWORD WINAPI BodyLength() { return static_cast<DWORD>(Body->size()); }

int WINAPI BodyText(DWORD size, char *buffer) {
    return CopyText(Body->data(), Body->size(), size, buffer);
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
    Settings = PluginSettings{};
    const std::vector<std::string> &keywords = BenchKeywords();
    for (size_t k = 0; k < keywords.size(); ++k) {
        SetKeyword(Settings, static_cast<int>(k), keywords[k]);
    }
    SetSeparator(Settings, DefaultSeparator);
    Host.GetBodyTextLength = BodyLength;
    Host.GetBodyText = BodyText;
}

const PluginSettings &BenchSettings() { return Settings; }

void OfferBody(const std::string &body) { Body = &body; }

void UpdateView() { HandleViewUpdate(Host, Settings); }
