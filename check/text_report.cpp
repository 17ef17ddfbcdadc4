#include "check/text_report.h"

#include <algorithm>

#include "check/checked_text.h"
#include "check/shown_text.h"
#include "viewer/issue.h"
#include "viewer/pages.h"
#include "viewer/sections.h"

namespace {

std::string Line(const std::string &text) { return text + "\n"; }

std::string Boxes(const Messages &say, size_t count) {
    return count == 1 ? say.OneBox : Fill(say.SomeBoxes, {std::to_string(count)});
}

size_t LineOf(const std::string &body, const char *at) {
    return 1 + static_cast<size_t>(std::count(body.c_str(), at, '\n'));
}

std::string MarkerLine(const Messages &say, const std::string &body, bool issue) {
    const char *marker = FindIssueMarker(body.c_str(), TextLength(body));
    if (marker == nullptr) {
        return Line(Fill(say.MarkerMissing, {IssueMarker}));
    }
    const std::string line = std::to_string(LineOf(body, marker));
    if (issue) {
        return Line(Fill(say.Issue, {IssueMarker, std::to_string(MarkerWindow), line}));
    }
    return Line(Fill(say.MarkerLate, {IssueMarker, std::to_string(marker - body.c_str()), line,
                                      std::to_string(MarkerWindow)}));
}

// One line for the keyword, and the boxes its section takes.
std::string KeywordLine(const Messages &say, const std::string &body, int number, int key,
                        const KeywordSection &section, const PluginSettings &settings,
                        size_t &boxes) {
    const std::string shown = std::to_string(number);
    const std::string name = "keyword" + std::to_string(key);
    const std::string keyword = Quoted(settings.Keywords[key]);
    const std::string line =
        section.Start != nullptr ? std::to_string(LineOf(body, section.Start)) : std::string();
    switch (section.Fate) {
    case KeywordFate::ToShow:
        boxes = CountPages(section.Start, ExcerptLength(section), settings.PageLines);
        return Line(Fill(say.Shown, {shown, name, keyword, line, Boxes(say, boxes)}));
    case KeywordFate::NoSeparator:
        return Line(Fill(say.NoSeparator, {shown, name, keyword, line}));
    case KeywordFate::TooShort:
        return Line(Fill(say.TooShort, {shown, name, keyword, line}));
    default:
        return Line(Fill(say.NotFound, {shown, name, keyword}));
    }
}

} // namespace

TextReport DescribeText(const Messages &say, const std::string &body,
                        const PluginSettings &settings) {
    const bool issue = IsIssue(body.c_str(), TextLength(body));
    TextReport report{MarkerLine(say, body, issue), TextVerdict::NotIssue, 0};
    KeywordSection sections[KeywordCount];
    FindSections(body.c_str(), TextLength(body) + 1, settings, sections);
    std::string keywords;
    int number = 0;
    for (int k = 0; k < KeywordCount; ++k) {
        if (sections[k].Fate != KeywordFate::NotSet) {
            size_t boxes = 0;
            keywords += KeywordLine(say, body, ++number, k, sections[k], settings, boxes);
            report.Boxes += boxes;
        }
    }
    if (!issue) {
        report.Text += number > 0 ? Line(say.WereItAnIssue) + keywords : "";
        report.Boxes = 0;
        return report;
    }
    report.Text += keywords;
    report.Verdict = report.Boxes > 0 ? TextVerdict::Boxes : TextVerdict::IssueWithoutBox;
    report.Text +=
        report.Boxes > 0 ? Line(Fill(say.BoxCount, {Boxes(say, report.Boxes)})) : Line(say.NoBox);
    return report;
}
