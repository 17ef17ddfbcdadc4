// A whole view update against a host whose every answer is fuzzed: the reported length, the body
// and whether it is terminated, the settings, and the answers to the boxes. Every box shows bytes
// the host gave, captioned by a keyword's end, and none comes after a Cancel.
#include <algorithm>
#include <cstdint>

#include "fuzz_support.h"
#include "host/host_api.h"
#include "platform/windows_api.h"
#include "settings/settings.h"
#include "viewer/view_update.h"

namespace {

std::string Body;
DWORD Reported = 0;
bool Terminates = true;
std::string Given; // what the last fetch wrote
std::string Answers;
size_t BoxCount = 0;
bool Cancelled = false;

DWORD WINAPI BodyLength() { return Reported; }

int WINAPI BodyText(DWORD size, char *buffer) {
    Check(size >= 1);
    const size_t room = Terminates ? size - 1 : size;
    const size_t kept = std::min(Body.size(), room);
    std::memcpy(buffer, Body.data(), kept);
    if (Terminates) {
        buffer[kept] = '\0';
    }
    Given = Body.substr(0, kept);
    return static_cast<int>(kept);
}

bool EndsSomeKeyword(const std::string &caption) {
    return std::any_of(Settings.KeywordList.begin(), Settings.KeywordList.end(),
                       [&caption](const std::string &keyword) {
                           return keyword.size() >= caption.size() &&
                                  keyword.compare(keyword.size() - caption.size(), caption.size(),
                                                  caption) == 0;
                       });
}

// The length the host reports: true, one short (no room for the terminator), anything up to a
// little past the body, or the largest ones.
DWORD ReportedLength(FuzzedDataProvider &input) {
    const auto size = static_cast<DWORD>(Body.size());
    switch (input.ConsumeIntegralInRange<int>(0, 4)) {
    case 0:
        return size + 1;
    case 1:
        return size;
    case 2:
        return input.ConsumeIntegralInRange<DWORD>(0, size + 100);
    case 3:
        return 0xFFFFFFFF;
    default:
        return 0xFFFFFFFE;
    }
}

} // namespace

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    Check(!Cancelled && type == MB_OKCANCEL);
    Check(Given.find(text) != std::string::npos);
    Check(EndsSomeKeyword(caption));
    const size_t index = BoxCount++;
    Cancelled = index < Answers.size() && Answers[index] % 2 != 0;
    return Cancelled ? IDCANCEL : IDOK;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    FuzzedDataProvider input(data, size);
    UseFuzzedCodePage(input);
    Settings.KeywordList.clear();
    const int keywords = input.ConsumeIntegralInRange<int>(0, KeywordCount);
    for (int k = 0; k < keywords; ++k) {
        const std::string keyword = TextFrom(input.ConsumeRandomLengthString(12));
        if (!keyword.empty()) {
            Settings.KeywordList.push_back(keyword);
        }
    }
    Settings.SeparatorText = "\n" + TextFrom(input.ConsumeRandomLengthString(12));
    Settings.PageLines = input.ConsumeIntegralInRange<std::int32_t>(5, 40);
    Answers = input.ConsumeRandomLengthString(8);
    Terminates = input.ConsumeBool();
    const bool marked = input.ConsumeBool();
    const int reportedChoice = input.ConsumeIntegral<int>();
    Body = (marked ? "Weekly Vesk\r\n" : "") + input.ConsumeRemainingBytesAsString();
    FuzzedDataProvider lengths(reinterpret_cast<const unsigned char *>(&reportedChoice),
                               sizeof reportedChoice);
    Reported = ReportedLength(lengths);

    HostApi.GetBodyTextLength = BodyLength;
    HostApi.GetBodyText = BodyText;
    BoxCount = 0;
    Cancelled = false;
    Given.clear();
    HandleViewUpdate();
    // Nothing of this run stays held: libFuzzer takes blocks that outlive a run for leaks.
    Settings = PluginSettings{};
    Body = std::string();
    Given = std::string();
    Answers = std::string();
    return 0;
}
