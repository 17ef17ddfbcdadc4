// Arbitrary bytes through the preview tool's whole path: taken apart as an mbox, each message
// read by mail/ as the mail client reads it (or as a text saved alone), shown by a view update,
// and explained.
// Nothing may crash, the explanation agrees with the boxes the update showed, and every keyword
// that the advice offers is found where it says, with a caption that starts a character.
#include <cstdint>

#include "diagnosis/trial_text.h"
#include "fuzz_support.h"
#include "host/copy_text.h"
#include "mail/mail_body.h"
#include "mail/plain_text.h"
#include "platform/lead_bytes.h"
#include "platform/windows_api.h"
#include "plugin/view_update.h"
#include "preview/mailbox/mbox_reader.h"
#include "preview/words/explanation.h"
#include "settings/settings_text.h"
#include "settings_record.h"
#include "string_source.h"
#include "viewer/caption.h"

namespace {

std::string Body;
std::vector<ShownBox> Boxes;
PluginSettings Settings;
HostFunctions Host;
// The plugin's judgement, from the core linked in, as the library hands it to the preview.
const PluginInspection Inspection = {&Settings,    KeywordFilePath, CheckSettings,   JudgeText,
                                     AdviseOnText, ProposeSetup,    SettingsFileText};

DWORD WINAPI BodyLength() { return static_cast<DWORD>(Body.size() + 1); }

int WINAPI BodyText(DWORD size, char *buffer) {
    return CopyText(Body.data(), Body.size(), size, buffer);
}

// Keywords in code page 932 with characters only it holds, and a plain one.
void UseSettings() {
    SetKeyword(Settings, 0, "\x81\x9F\x81\x9F\x87\x40\x82\xA8\x92\x6D\x82\xE7\x82\xB9\x87\x8A");
    SetKeyword(Settings, 1, "### Tips");
    SetKeyword(Settings, 2, "\x81\x9F\x81\x9F\x97\x5C\x92\xE8\x81\x60");
    SetSeparator(Settings, "\x84\x9F\x84\x9F\x84\x9F");
    Settings.PageLines = 8;
}

// The caption of the keyword starts a character of it.
bool CaptionStartsCharacter(const std::string &keyword) {
    size_t at = 0;
    while (at < static_cast<size_t>(ExcerptSkip) && at < keyword.size()) {
        at += IsLeadByte(keyword[at]) && at + 1 < keyword.size() ? 2 : 1;
    }
    return at == static_cast<size_t>(ExcerptSkip) || at >= keyword.size();
}

// A keyword's fix, read back as the settings file gives it, is found at the line the advice names;
// a separator's shows sections with their text.
void CheckFix(const TextAdvice &advice) {
    if (advice.Fix.empty()) {
        return;
    }
    if (advice.Kind == AdviceKind::HeadingOnly || advice.Kind == AdviceKind::RuleMissed) {
        Check(advice.Shown > 0 && advice.Shown <= advice.Found);
        return;
    }
    PluginSettings fixed = Settings;
    const std::string value = ReadBackValue(advice.Fix);
    SetKeyword(fixed, advice.Key, value);
    TextJudgement judged{};
    JudgeText(Body.c_str(), Body.size() + 1, fixed, NoBoxCancelled, judged);
    bool found = false;
    for (int i = 0; i < judged.Count; ++i) {
        found = found || (judged.Keywords[i].Key == advice.Key &&
                          judged.Keywords[i].Fate != SectionFate::NotFound &&
                          judged.Keywords[i].Line == advice.FixedLine);
    }
    Check(found && CaptionStartsCharacter(value));
}

// Each section proposed to show is shown by the plugin with the separator proposed, from the line
// it names, under a caption that starts a character.
void CheckProposal(const SetupProposal &proposal) {
    Check(!DescribeProposal(proposal, {{"message"}, {0}}).empty());
    for (const ProposedSection &section : proposal.Sections) {
        const SectionInIssue &in = section.Issues.front();
        PluginSettings alone = Settings;
        for (auto &keyword : alone.Keywords) {
            keyword[0] = '\0';
        }
        SetKeyword(alone, 0, section.Keyword);
        SetSeparator(alone, proposal.Separator);
        TextJudgement judged{};
        JudgeText(Body.c_str(), Body.size() + 1, alone, NoBoxCancelled, judged);
        Check(judged.Count == 1 && judged.Keywords[0].Line == in.Line &&
              CaptionStartsCharacter(section.Keyword));
        Check(in.Fate != SectionFate::Shows || judged.Keywords[0].Fate == SectionFate::Shows);
    }
}

void Preview(const std::string &saved) {
    MailBody mail;
    if (!ReadMailBody(saved, 932, mail)) {
        Body = ReadPlainText(saved, 932).Text;
    } else if (mail.Result != MailRead::Body) {
        Check(mail.Text.empty() && (mail.Result != MailRead::Piece || !mail.Piece.Id.empty()));
        return;
    } else {
        Body = mail.Text;
    }
    Boxes.clear();
    HandleViewUpdate(Host, Settings);
    const TextJudgement judgement = JudgeBody(Body, Inspection, Boxes);
    if (!judgement.Issue) {
        Check(Boxes.empty());
        Check(!DescribeMarker(judgement).empty());
        return;
    }
    // Each keyword's boxes, by the pages its section takes, bear its caption, and together they
    // are all the boxes shown.
    size_t explained = 0;
    Check(static_cast<size_t>(judgement.Count) == KeywordsOf(Settings).size());
    for (int i = 0; i < judgement.Count; ++i) {
        const KeywordJudgement &keyword = judgement.Keywords[i];
        for (size_t box = 0; box < keyword.Boxes; ++box) {
            Check(explained < Boxes.size() &&
                  Boxes[explained++].Caption == CaptionOf(Settings.Keywords[keyword.Key]));
        }
        Check(!DescribeKeyword(i + 1, keyword, Settings).empty());
    }
    Check(explained == Boxes.size() && judgement.Boxes == Boxes.size());
    for (const TextAdvice &advice : AdviseOnText(Body, Settings)) {
        Check(!DescribeAdvice(advice, Settings).empty());
        CheckFix(advice);
    }
    CheckProposal(ProposeSetup({Body}, Settings));
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
        Host.GetBodyTextLength = BodyLength;
        Host.GetBodyText = BodyText;
        return true;
    }();
    (void)ready;
    UseKernels(size % 2 != 0);
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    if (IsMbox(bytes)) {
        MboxReader reader("mbox", std::make_unique<MemorySource>(bytes));
        for (std::string text; reader.ReadText(text);) {
            Preview(text);
        }
    } else {
        Preview(bytes);
    }
    Body = std::string();
    Boxes = std::vector<ShownBox>();
    return 0;
}
