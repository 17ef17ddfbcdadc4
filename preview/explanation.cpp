#include "preview/explanation.h"

#include <algorithm>
#include <cstring>

#include "preview/settings_report.h"
#include "settings/settings.h"
#include "viewer/excerpt.h"
#include "viewer/find_text.h"
#include "viewer/paged_display.h"
#include "viewer/view_update.h"

namespace {

// The body as the plugin sees it: up to its first NUL.
size_t TextLength(const std::string &body) { return std::strlen(body.c_str()); }

size_t LineOf(const std::string &body, const char *at) {
    return 1 + static_cast<size_t>(std::count(body.c_str(), at, '\n'));
}

std::string CaptionOf(const std::string &keyword) {
    return keyword.size() > ExcerptSkip ? keyword.substr(ExcerptSkip) : "";
}

} // namespace

size_t MarkerOffset(const std::string &body) {
    const char *found = FindBytes(body.c_str(), TextLength(body), IssueMarker);
    return found == nullptr ? std::string::npos : static_cast<size_t>(found - body.c_str());
}

bool IsIssue(const std::string &body) {
    const size_t offset = MarkerOffset(body);
    return offset != std::string::npos && offset + std::strlen(IssueMarker) <= MarkerWindow;
}

std::vector<KeywordOutcome> ExplainIssue(const std::string &body,
                                         const std::vector<ShownBox> &boxes) {
    const char *text = body.c_str();
    const size_t length = TextLength(body);
    std::vector<KeywordOutcome> outcomes;
    size_t next = 0; // the first box not yet put down to a keyword
    bool cancelled = false;
    for (const std::string &keyword : Settings.KeywordList) {
        const char *start = FindText(text, length, keyword.c_str());
        if (start == nullptr) {
            outcomes.push_back({KeywordOutcome::Kind::NotFound, 0, 0});
            continue;
        }
        const size_t line = LineOf(body, start);
        if (CutExcerpt(text, length, keyword.c_str(), nullptr) <= 0) {
            outcomes.push_back({KeywordOutcome::Kind::NoSeparator, line, 0});
            continue;
        }
        if (cancelled) {
            outcomes.push_back({KeywordOutcome::Kind::NotReached, line, 0});
            continue;
        }
        // The plugin shows the keywords in order, each section's boxes one after the other.
        size_t shown = 0;
        while (next < boxes.size() && boxes[next].Caption == CaptionOf(keyword)) {
            cancelled = boxes[next++].Cancelled;
            ++shown;
            if (cancelled) {
                break;
            }
        }
        const auto kind = shown > 0 ? KeywordOutcome::Kind::Shown : KeywordOutcome::Kind::TooShort;
        outcomes.push_back({kind, line, shown});
    }
    return outcomes;
}

std::string DescribeOutcome(const std::string &keyword, const KeywordOutcome &outcome) {
    const std::string where = "found at line " + std::to_string(outcome.Line);
    std::string what;
    switch (outcome.What) {
    case KeywordOutcome::Kind::Shown:
        what = where + ", shown in " + std::to_string(outcome.Boxes) +
               (outcome.Boxes == 1 ? " box" : " boxes");
        break;
    case KeywordOutcome::Kind::NotFound:
        what = "not found";
        break;
    case KeywordOutcome::Kind::NoSeparator:
        what = where + ", but no separator line " + Visible(Settings.SeparatorText) + " follows it";
        break;
    case KeywordOutcome::Kind::TooShort:
        what = where + ", but its section is too short to show anything";
        break;
    case KeywordOutcome::Kind::NotReached:
        what = where + ", not shown: an earlier box was cancelled";
        break;
    }
    return Visible(keyword) + ": " + what;
}

std::string DescribeNoIssue(const std::string &body) {
    const size_t offset = MarkerOffset(body);
    const std::string marker = std::string("\"") + IssueMarker + "\"";
    if (offset == std::string::npos) {
        return "Not an issue: " + marker + " does not occur in it.";
    }
    return "Not an issue: " + marker + " first occurs at byte " + std::to_string(offset) +
           ", past the first " + std::to_string(MarkerWindow) + " bytes, where the plugin looks.";
}
