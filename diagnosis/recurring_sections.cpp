#include "diagnosis/recurring_sections.h"

#include <algorithm>

namespace {

// A section as it is matched: its lines, and the form it was first seen in.
struct Matched {
    RecurringSection Section;
    const HeadingForm *Form;
};

// The first issue the section stands in.
size_t IssueOf(const RecurringSection &section) {
    return static_cast<size_t>(std::find_if(section.Lines.begin(), section.Lines.end(),
                                            [](size_t line) { return line != 0; }) -
                               section.Lines.begin());
}

size_t Standing(const RecurringSection &section) {
    return static_cast<size_t>(std::count_if(section.Lines.begin(), section.Lines.end(),
                                             [](size_t line) { return line != 0; }));
}

// The section of `found` that heads the same part as the heading, and is not yet in the issue.
size_t SectionOf(const std::vector<Matched> &found, size_t issue, const HeadingForm &form) {
    for (size_t i = 0; i < found.size(); ++i) {
        if (found[i].Section.Lines[issue] == 0 && SameSection(*found[i].Form, form)) {
            return i;
        }
    }
    return found.size();
}

// The recurring sections on either side of the section `at`, in the issue where it stands:
// what places it between its neighbours.
std::pair<size_t, size_t> Slot(const std::vector<Matched> &found, size_t at) {
    const size_t issue = IssueOf(found[at].Section);
    const size_t line = found[at].Section.Lines[issue];
    size_t before = found.size();
    size_t after = found.size();
    for (size_t i = 0; i < found.size(); ++i) {
        const size_t other = found[i].Section.Lines[issue];
        if (i == at || other == 0 || Standing(found[i].Section) < 2) {
            continue;
        }
        if (other < line &&
            (before == found.size() || other > found[before].Section.Lines[issue])) {
            before = i;
        }
        if (other > line && (after == found.size() || other < found[after].Section.Lines[issue])) {
            after = i;
        }
    }
    return {before, after};
}

// Where a section that recurs stands in no issue's headings, the first line of that issue read as
// an item that opens with the same mark and heads the same part.
void FindInItems(const std::vector<IssueHeadings> &issues, std::vector<Matched> &found) {
    for (Matched &section : found) {
        if (Standing(section.Section) < 2) {
            continue;
        }
        for (size_t issue = 0; issue < issues.size(); ++issue) {
            const IssueHeadings &each = issues[issue];
            for (size_t k = 0; k < each.Others.size() && section.Section.Lines[issue] == 0; ++k) {
                const HeadingForm &form = *each.OtherForms[k];
                const bool mark = !form.Opening.empty() && !section.Form->Opening.empty() &&
                                  form.Opening[0] == section.Form->Opening[0];
                if (mark && SameSection(*section.Form, form)) {
                    section.Section.Lines[issue] = each.Others[k];
                }
            }
        }
    }
}

} // namespace

SectionsAcross MatchSections(const std::vector<IssueHeadings> &issues) {
    std::vector<Matched> found;
    for (size_t issue = 0; issue < issues.size(); ++issue) {
        size_t previous = 0; // where the section of the heading before stands in `found`, plus one
        for (size_t k = 0; k < issues[issue].Lines.size(); ++k) {
            const HeadingForm &form = *issues[issue].Forms[k];
            size_t at = SectionOf(found, issue, form);
            if (at == found.size()) {
                Matched section{{std::vector<size_t>(issues.size(), 0)}, &form};
                at = previous;
                found.insert(found.begin() + static_cast<long>(at), section);
            }
            found[at].Section.Lines[issue] = issues[issue].Lines[k];
            previous = at + 1;
        }
    }
    FindInItems(issues, found);
    SectionsAcross across;
    for (size_t i = 0; i < found.size(); ++i) {
        bool changing = false;
        if (issues.size() > 1 && Standing(found[i].Section) == 1) {
            const std::pair<size_t, size_t> slot = Slot(found, i);
            for (size_t j = 0; j < found.size() && !changing; ++j) {
                changing = j != i && Standing(found[j].Section) == 1 &&
                           IssueOf(found[j].Section) != IssueOf(found[i].Section) &&
                           Slot(found, j) == slot;
            }
        }
        (changing ? across.Changing : across.Sections).push_back(found[i].Section);
    }
    return across;
}
