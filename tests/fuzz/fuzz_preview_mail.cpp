// Arbitrary bytes through the preview tool's whole path: taken apart as an mbox, each message
// read by GMime and decoded as the mail client reads it, shown by a view update, and explained.
// Nothing may crash, and the explanation agrees with the boxes the update showed.
#include <cstdint>

#include "fuzz_support.h"
#include "host/host_api.h"
#include "platform/windows_api.h"
#include "preview/explanation.h"
#include "preview/mail_body.h"
#include "preview/mailbox.h"
#include "settings/settings.h"
#include "viewer/view_update.h"

namespace {

std::string Body;
std::vector<ShownBox> Boxes;

DWORD WINAPI BodyLength() { return static_cast<DWORD>(Body.size() + 1); }

int WINAPI BodyText(DWORD size, char *buffer) {
    const size_t kept = std::min<size_t>(Body.size(), size - 1);
    std::memcpy(buffer, Body.data(), kept);
    buffer[kept] = '\0';
    return static_cast<int>(kept);
}

// Keywords in code page 932 with characters only it holds, and a plain one.
void UseSettings() {
    Settings.KeywordList = {"\x81\x9F\x81\x9F\x87\x40\x82\xA8\x92\x6D\x82\xE7\x82\xB9\x87\x8A",
                            "### Tips", "\x81\x9F\x81\x9F\x97\x5C\x92\xE8\x81\x60"};
    Settings.SeparatorText = "\n\x84\x9F\x84\x9F\x84\x9F";
    Settings.PageLines = 8;
}

void Preview(const std::string &saved) {
    Body = saved;
    if (LooksLikeMessage("message", saved)) {
        MailBody mail;
        std::string error;
        if (!ReadMailBody(saved, "CP932", mail, error)) {
            Check(!error.empty());
            return;
        }
        Body = mail.Text;
    }
    Boxes.clear();
    HandleViewUpdate();
    if (!IsIssue(Body)) {
        Check(Boxes.empty());
        Check(!DescribeNoIssue(Body).empty());
        return;
    }
    size_t explained = 0;
    const std::vector<KeywordOutcome> outcomes = ExplainIssue(Body, Boxes);
    Check(outcomes.size() == Settings.KeywordList.size());
    for (size_t i = 0; i < outcomes.size(); ++i) {
        explained += outcomes[i].Boxes;
        Check(!DescribeOutcome(Settings.KeywordList[i], outcomes[i]).empty());
    }
    Check(explained == Boxes.size());
}

} // namespace

int MessageBoxA(HWND, LPCSTR, LPCSTR caption, UINT) {
    Boxes.push_back({caption, Boxes.size() % 3 == 2});
    return Boxes.back().Cancelled ? IDCANCEL : IDOK;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size) {
    static const bool ready = [] {
        setenv(CodePageVariable, "932", 1);
        LoadLeadBytes();
        UseSettings();
        HostApi.GetBodyTextLength = BodyLength;
        HostApi.GetBodyText = BodyText;
        return true;
    }();
    (void)ready;
    UseKernels(size % 2 != 0);
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    if (IsMbox(bytes)) {
        for (const std::string &message : SplitMbox(bytes)) {
            Preview(message);
        }
    } else {
        Preview(bytes);
    }
    Body = std::string();
    Boxes = std::vector<ShownBox>();
    return 0;
}
