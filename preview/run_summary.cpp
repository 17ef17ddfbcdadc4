#include "preview/run_summary.h"

#include <cstdio>
#include <string>

#include "platform/windows_api.h"
#include "preview/settings_report.h"

namespace {

// Exit statuses, as --help explains them.
constexpr int BoxShown = 0;
constexpr int Failed = 1;
constexpr int IssueWithoutBox = 3;
constexpr int NoIssue = 4;

std::string Count(size_t number, const char *one, const char *many) {
    return std::to_string(number) + " " + (number == 1 ? one : many);
}

} // namespace

void RunSummary::AddIssue(const std::vector<KeywordOutcome> &outcomes, size_t boxes) {
    ++Messages;
    ++Issues;
    Boxes += boxes;
    IssuesWithoutBox += boxes == 0 ? 1 : 0;
    for (const KeywordOutcome &outcome : outcomes) {
        BoxesPerKeyword[outcome.Number] += outcome.Boxes;
        IssuesPerKeyword[outcome.Number] += outcome.What == KeywordOutcome::Kind::NotFound ? 0 : 1;
    }
}

void RunSummary::AddOther(size_t boxes) {
    ++Messages;
    Boxes += boxes;
}

void RunSummary::Print(const PluginSettings &settings, std::FILE *out) const {
    std::fprintf(out,
                 "Summary: %s read, %zu could not be read; %s, %zu of them without a box; %s\n",
                 Count(Messages, "message", "messages").c_str(), Unreadable,
                 Count(Issues, "issue", "issues").c_str(), IssuesWithoutBox,
                 Count(Boxes, "box", "boxes").c_str());
    if (Deleted > 0) {
        std::fprintf(out,
                     "  Passed over: %s, marked deleted by the mail program but not yet purged\n",
                     Count(Deleted, "deleted message", "deleted messages").c_str());
    }
    if (NotMessages > 0) {
        std::fprintf(out, "  Passed over: %s no mail (pictures, indexes, folder settings)\n",
                     Count(NotMessages, "file that holds", "files that hold").c_str());
    }
    bool anySet = false;
    for (const auto &keyword : settings.Keywords) {
        anySet = anySet || keyword[0] != '\0';
    }
    if (!anySet || Issues == 0) {
        std::fprintf(out, "\n");
        return;
    }
    std::fprintf(out, "  %-8s %-6s %s\n", "boxes", "issues", "keyword");
    std::vector<std::string> unmatched;
    for (int k = 0; k < KeywordCount; ++k) {
        if (settings.Keywords[k][0] == '\0') {
            continue;
        }
        const std::string keyword = Visible(settings.Keywords[k]);
        std::fprintf(out, "  %-8zu %-6zu %s\n", BoxesPerKeyword[k], IssuesPerKeyword[k],
                     keyword.c_str());
        if (IssuesPerKeyword[k] == 0) {
            unmatched.push_back(keyword);
        }
    }
    for (const std::string &keyword : unmatched) {
        std::fprintf(out,
                     "  Matched in no issue: %s (check its spelling, and that the settings file is "
                     "saved in code page %u)\n",
                     keyword.c_str(), GetACP());
    }
    std::fprintf(out, "\n");
}

int RunSummary::ExitStatus() const {
    if (Unreadable > 0) {
        return Failed;
    }
    if (Boxes > 0 || !MailGiven) {
        return BoxShown;
    }
    return Issues > 0 ? IssueWithoutBox : NoIssue;
}
