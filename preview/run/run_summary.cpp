#include "preview/run/run_summary.h"

#include <cstdio>
#include <string>
#include <vector>

#include "diagnosis/quoted_value.h"
#include "diagnosis/words.h"
#include "platform/windows_api.h"

namespace {

std::string Count(size_t number, const char *one, const char *many) {
    return std::to_string(number) + " " + (number == 1 ? one : many);
}

} // namespace

void RunSummary::Add(const TextJudgement &judgement) {
    ++Messages;
    Tally.Boxes += judgement.Boxes;
    if (!judgement.Issue) {
        return;
    }
    ++Tally.Issues;
    IssuesWithoutBox += judgement.Boxes == 0 ? 1 : 0;
    for (int i = 0; i < judgement.Count; ++i) {
        const KeywordJudgement &keyword = judgement.Keywords[i];
        BoxesPerKeyword[keyword.Key] += keyword.Boxes;
        IssuesPerKeyword[keyword.Key] += keyword.Fate == SectionFate::NotFound ? 0 : 1;
    }
}

void RunSummary::AddSuggestion(const TextJudgement &judgement) {
    ++Messages;
    Suggested = true;
    Tally.Issues += judgement.Issue ? 1 : 0;
}

void RunSummary::AddProposal(size_t issues, size_t offered) {
    ProposedFor = issues;
    Tally.Boxes += offered;
}

void RunSummary::Print(const PluginSettings &settings, std::FILE *out) const {
    if (Suggested) {
        std::fprintf(out,
                     "Summary: %s read, %zu could not be read; %s, the settings made from %zu of "
                     "them; %s offered\n",
                     Count(Messages, "message", "messages").c_str(), Tally.Unreadable,
                     Count(Tally.Issues, "issue", "issues").c_str(), ProposedFor,
                     Count(Tally.Boxes, "section", "sections").c_str());
    } else {
        std::fprintf(out,
                     "Summary: %s read, %zu could not be read; %s, %zu of them without a box; %s\n",
                     Count(Messages, "message", "messages").c_str(), Tally.Unreadable,
                     Count(Tally.Issues, "issue", "issues").c_str(), IssuesWithoutBox,
                     Count(Tally.Boxes, "box", "boxes").c_str());
    }
    if (Tally.Warnings > 0) {
        std::fprintf(out, "  %s\n",
                     Fill(EnglishWords().SomeWarnings, {std::to_string(Tally.Warnings)}).c_str());
    }
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
    if (!anySet || Tally.Issues == 0 || Suggested) {
        std::fprintf(out, "\n");
        return;
    }
    std::fprintf(out, "  %-8s %-6s %s\n", "boxes", "issues", "keyword");
    std::vector<std::string> unmatched;
    for (int k = 0; k < KeywordCount; ++k) {
        if (settings.Keywords[k][0] == '\0') {
            continue;
        }
        const std::string keyword = Quoted(settings.Keywords[k]);
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
