#pragma once
// The test host: what its ten exports saw, and the body it hands to the plugin.
#include "host/host_functions.h"

#include <string>
#include <vector>

struct HostCalls {
    int BodyLengthCalls = 0;
    std::vector<DWORD> BodyTextSizes; // the size of every GetBodyText call, in order
    int Registrations = 0;
    HINSTANCE RegisteredHandle = nullptr;
    std::vector<unsigned char> Record; // the bytes of the last record registered
};

extern HostCalls Calls;

// The message on view. GetBodyTextLength reports its size plus the terminator, unless
// `reportedLength` says otherwise.
void SetMessageOnView(const std::string &body);
void SetReportedLength(DWORD reportedLength);

// Makes GetBodyText fill the whole buffer without a terminator, as a careless host might.
void SetUnterminatedFetches();

// Forgets every call and the message on view.
void ResetHost();

// The ten host functions, known to the plugin by the names without "Host".
extern "C" {
#define DOVRINK_TEST_HOST_EXPORT(name, result, parameters, bytes)                                  \
    result WINAPI Host##name parameters;
DOVRINK_HOST_FUNCTIONS(DOVRINK_TEST_HOST_EXPORT)
#undef DOVRINK_TEST_HOST_EXPORT
}
