#include "test_host.h"

#include <algorithm>
#include <cstring>

#include "host/copy_text.h"
#include "host/idle_host_functions.h"

HostCalls Calls;

namespace {

std::string MessageOnView;
DWORD ReportedLength = 0;
bool LengthOverridden = false;
bool Unterminated = false;

constexpr size_t RecordSize = 116;

} // namespace

void SetMessageOnView(const std::string &body) {
    MessageOnView = body;
    LengthOverridden = false;
}

void SetReportedLength(DWORD reportedLength) {
    ReportedLength = reportedLength;
    LengthOverridden = true;
}

void SetUnterminatedFetches() { Unterminated = true; }

void ResetHost() {
    Calls = HostCalls{};
    Unterminated = false;
    SetMessageOnView("");
}

// Exported under the host function names by the Windows test host's .def files; named apart here
// so that they do not clash with system functions of those names.
extern "C" {

#define DOVRINK_TEST_HOST_NAME(name) Host##name
DOVRINK_IDLE_HOST_FUNCTIONS(DOVRINK_TEST_HOST_NAME)
#undef DOVRINK_TEST_HOST_NAME

DWORD WINAPI HostGetBodyTextLength() {
    ++Calls.BodyLengthCalls;
    return LengthOverridden ? ReportedLength : static_cast<DWORD>(MessageOnView.size() + 1);
}

int WINAPI HostGetBodyText(DWORD size, char *buffer) {
    Calls.BodyTextSizes.push_back(size);
    if (Unterminated) {
        const size_t kept = std::min<size_t>(MessageOnView.size(), size);
        // Unterminated on purpose: the careless host that this stands in for.
        // NOLINTNEXTLINE(bugprone-not-null-terminated-result)
        std::memcpy(buffer, MessageOnView.data(), kept);
        return static_cast<int>(kept);
    }
    return CopyText(MessageOnView.data(), MessageOnView.size(), size, buffer);
}

int WINAPI HostRegisterPluginInfo(HINSTANCE plugin, PluginInfo *info) {
    ++Calls.Registrations;
    Calls.RegisteredHandle = plugin;
    const auto *bytes = reinterpret_cast<const unsigned char *>(info);
    Calls.Record.assign(bytes, bytes + RecordSize);
    return 1;
}
}
