#include "preview/explanation.h"

#include <algorithm>
#include <cstring>

#include "preview/settings_report.h"
#include "viewer/issue.h"

namespace {

// The body as the plugin sees it: up to its first NUL.
size_t TextLength(const std::string &body) { return std::strlen(body.c_str()); }

size_t LineOf(const std::string &body, const char *at) {
    return 1 + static_cast<size_t>(std::count(body.c_str(), at, '\n'));
}

KeywordOutcome::Kind KindOf(KeywordFate fate) {
    switch (fate) {
    case KeywordFate::NotFound:
        return KeywordOutcome::Kind::NotFound;
    case KeywordFate::NoSeparator:
        return KeywordOutcome::Kind::NoSeparator;
    case KeywordFate::TooShort:
        return KeywordOutcome::Kind::TooShort;
    default:
        return KeywordOutcome::Kind::Shown;
    }
}

} // namespace

std::vector<KeywordOutcome> ExplainIssue(const std::string &body, const PluginInspection &plugin,
                                         const std::vector<ShownBox> &boxes) {
    const PluginSettings &settings = *plugin.Settings;
    KeywordSection sections[KeywordCount];
    plugin.FindSections(body.c_str(), TextLength(body) + 1, settings, sections);
    std::vector<KeywordOutcome> outcomes;
    size_t next = 0; // the first box not yet put down to a keyword
    bool cancelled = false;
    for (int k = 0; k < KeywordCount; ++k) {
        const KeywordSection &section = sections[k];
        if (section.Fate == KeywordFate::NotSet) {
            continue;
        }
        KeywordOutcome outcome{k, settings.Keywords[k], KindOf(section.Fate), 0, 0};
        if (section.Start != nullptr) {
            outcome.Line = LineOf(body, section.Start);
        }
        if (section.Fate == KeywordFate::ToShow && cancelled) {
            outcome.What = KeywordOutcome::Kind::NotReached;
        } else if (section.Fate == KeywordFate::ToShow) {
            // The plugin shows the keywords in order, each section's pages one after the other.
            const size_t pages =
                plugin.CountPages(section.Start, ExcerptLength(section), settings.PageLines);
            while (outcome.Boxes < pages && next < boxes.size() && !cancelled) {
                cancelled = boxes[next++].Cancelled;
                ++outcome.Boxes;
            }
        }
        outcomes.push_back(outcome);
    }
    return outcomes;
}

bool IsIssue(const std::string &body, const PluginInspection &plugin) {
    return plugin.IsIssue(body.c_str(), TextLength(body));
}

std::string DescribeOutcome(const KeywordOutcome &outcome, const PluginSettings &settings) {
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
        what = where + ", but no separator line " + Visible(settings.SeparatorText) + " follows it";
        break;
    case KeywordOutcome::Kind::TooShort:
        what = where + ", but its section is too short to show anything";
        break;
    case KeywordOutcome::Kind::NotReached:
        what = where + ", not shown: an earlier box was cancelled";
        break;
    }
    return Visible(outcome.Keyword) + ": " + what;
}

std::string DescribeNoIssue(const std::string &body, const PluginInspection &plugin) {
    const char *found = plugin.FindIssueMarker(body.c_str(), TextLength(body));
    const std::string marker = std::string("\"") + IssueMarker + "\"";
    if (found == nullptr) {
        return "Not an issue: " + marker + " does not occur in it.";
    }
    return "Not an issue: " + marker + " first occurs at byte " +
           std::to_string(found - body.c_str()) + ", past the first " +
           std::to_string(MarkerWindow) + " bytes, where the plugin looks.";
}
