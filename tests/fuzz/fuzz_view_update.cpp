// A whole view update against a host whose every answer is fuzzed: the reported length, the body
// and whether it is terminated, the settings, and the answers to the boxes. Every box shows bytes
// the host gave, captioned by a keyword's end, and none comes after a Cancel.
#include <algorithm>
#include <cstdint>

#include "fuzz_support.h"
#include "platform/windows_api.h"
#include "plugin/view_update.h"
#include "settings_record.h"

namespace {

std::string Body;
DWORD Reported = 0;
bool Terminates = true;
std::string Given; // what the last fetch wrote
std::string Answers;
PluginSettings Settings;
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
    const std::vector<std::string> keywords = KeywordsOf(Settings);
    return std::any_of(keywords.begin(), keywords.end(), [&caption](const std::string &keyword) {
        return keyword.size() >= caption.size() &&
               keyword.compare(keyword.size() - caption.size(), caption.size(), caption) == 0;
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
    Settings = PluginSettings{};
    const int keywords = input.ConsumeIntegralInRange<int>(0, KeywordCount);
    for (int k = 0; k < keywords; ++k) {
        SetKeyword(Settings, k, TextFrom(input.ConsumeRandomLengthString(12)));
    }
    SetSeparator(Settings, TextFrom(input.ConsumeRandomLengthString(12)));
    Settings.PageLines = input.ConsumeIntegralInRange<std::int32_t>(5, 40);
    Answers = input.ConsumeRandomLengthString(8);
    Terminates = input.ConsumeBool();
    const bool marked = input.ConsumeBool();
    const int reportedChoice = input.ConsumeIntegral<int>();
    Body = (marked ? "Weekly Vesk\r\n" : "") + input.ConsumeRemainingBytesAsString();
    FuzzedDataProvider lengths(reinterpret_cast<const unsigned char *>(&reportedChoice),
                               sizeof reportedChoice);
    Reported = ReportedLength(lengths);

    HostFunctions host{};
    host.GetBodyTextLength = BodyLength;
    host.GetBodyText = BodyText;
    BoxCount = 0;
    Cancelled = false;
    Given.clear();
    HandleViewUpdate(host, Settings);
    // Nothing of this run stays held: libFuzzer takes blocks that outlive a run for leaks.
    Body = std::string();
    Given = std::string();
    Answers = std::string();
    return 0;
}
