#include "preview/run_summary.h"

#include <cstdio>
#include <string>

#include "platform/windows_api.h"
#include "preview/settings_report.h"
#include "settings/settings.h"

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
    BoxesPerKeyword.resize(outcomes.size());
    IssuesPerKeyword.resize(outcomes.size());
    for (size_t i = 0; i < outcomes.size(); ++i) {
        BoxesPerKeyword[i] += outcomes[i].Boxes;
        IssuesPerKeyword[i] += outcomes[i].What == KeywordOutcome::Kind::NotFound ? 0 : 1;
    }
}

void RunSummary::AddOther(size_t boxes) {
    ++Messages;
    Boxes += boxes;
}

void RunSummary::Print() const {
    std::printf("Summary: %s read, %zu could not be read; %s, %zu of them without a box; %s\n",
                Count(Messages, "message", "messages").c_str(), Unreadable,
                Count(Issues, "issue", "issues").c_str(), IssuesWithoutBox,
                Count(Boxes, "box", "boxes").c_str());
    const std::vector<std::string> &keywords = Settings.KeywordList;
    if (keywords.empty() || Issues == 0) {
        std::printf("\n");
        return;
    }
    std::printf("  %-8s %-6s %s\n", "boxes", "issues", "keyword");
    std::vector<std::string> unmatched;
    for (size_t i = 0; i < keywords.size(); ++i) {
        const size_t boxes = i < BoxesPerKeyword.size() ? BoxesPerKeyword[i] : 0;
        const size_t found = i < IssuesPerKeyword.size() ? IssuesPerKeyword[i] : 0;
        const std::string keyword = Visible(keywords[i]);
        std::printf("  %-8zu %-6zu %s\n", boxes, found, keyword.c_str());
        if (found == 0) {
            unmatched.push_back(keyword);
        }
    }
    for (const std::string &keyword : unmatched) {
        std::printf("  Matched in no issue: %s (check its spelling, and that the settings file is "
                    "saved in code page %u)\n",
                    keyword.c_str(), GetACP());
    }
    std::printf("\n");
}

int RunSummary::ExitStatus() const {
    if (Unreadable > 0) {
        return Failed;
    }
    if (Boxes > 0 || Messages == 0) {
        return BoxShown;
    }
    return Issues > 0 ? IssueWithoutBox : NoIssue;
}
