#include "diagnosis/proposal_words.h"

#include <algorithm>

#include "diagnosis/quoted_value.h"

namespace {

// The issues where a section's fate is named, at most; the rest are counted.
constexpr size_t MostNamed = 3;

const char *FateWords(const Words &say, SectionFate fate) {
    switch (fate) {
    case SectionFate::HeadingOnly:
        return say.FateHeadingOnly;
    case SectionFate::NoSeparator:
    case SectionFate::TooShort:
        return say.FateNoSeparator;
    case SectionFate::RunsOn:
        return say.FateRunsOn;
    case SectionFate::EndsEarly:
        return say.FateEndsEarly;
    case SectionFate::NotFound:
        return say.FateNotFound;
    case SectionFate::Shows:
    case SectionFate::NotReached:
    case SectionFate::Absent:
        break;
    }
    return nullptr;
}

std::string Note(const std::string &text) { return text.empty() ? "" : "       " + text + "\n"; }

// The name of the issue proposed for at `index`, and its lines' offset.
const std::string &NameOf(const SetupProposal &proposal, const ProposalSources &sources,
                          size_t index) {
    static const std::string none;
    const size_t given = proposal.Issues[index];
    return given < sources.Names.size() ? sources.Names[given] : none;
}

size_t OffsetOf(const SetupProposal &proposal, const ProposalSources &sources, size_t index) {
    const size_t given = proposal.Issues[index];
    return given < sources.Offsets.size() ? sources.Offsets[given] : 0;
}

// What to know of the section's keyword: its number, its caption.
std::string KeywordNotes(const Words &say, const ProposedSection &section, Utf8Of utf8) {
    const std::string held = utf8(section.Number);
    if (section.WithoutNumber && !section.WholeCaption) {
        return Note(say.NumberCut);
    }
    return Note(section.WithoutNumber ? say.WithoutNumber : "") +
           Note(held.empty() ? "" : Fill(say.KeepsNumber, {held})) +
           Note(section.WholeCaption ? "" : say.CaptionCut);
}

// A section of one issue: its line and boxes, what to know of its keyword, and what keeps it
// from showing.
std::string OneIssue(const Words &say, const ProposedSection &section, size_t number, size_t offset,
                     Utf8Of utf8) {
    const SectionInIssue &only = section.Issues.front();
    const char *fate = FateWords(say, only.Fate);
    return "  " +
           Fill(say.ProposedSection,
                {std::to_string(number), QuotedValue(utf8(section.Caption)),
                 std::to_string(only.Line + offset), DescribeBoxes(say, only.Boxes)}) +
           "\n" + KeywordNotes(say, section, utf8) + Note(fate != nullptr ? fate : "");
}

// A section of several issues: where it stands and shows, what to know of its keyword, and the
// issues where it does not show, and why.
std::string ManyIssues(const Words &say, const SetupProposal &proposal,
                       const ProposalSources &sources, const ProposedSection &section,
                       size_t number, Utf8Of utf8) {
    std::string text =
        "  " +
        Fill(say.ProposedSectionMany,
             {std::to_string(number), QuotedValue(utf8(section.Caption)),
              std::to_string(section.Standing()), std::to_string(section.Issues.size()),
              std::to_string(section.Shown())}) +
        "\n" + KeywordNotes(say, section, utf8);
    size_t named = 0;
    for (size_t i = 0; i < section.Issues.size(); ++i) {
        const char *fate = FateWords(say, section.Issues[i].Fate);
        if (fate == nullptr || ++named > MostNamed) {
            continue;
        }
        text += Note(
            Fill(say.FateInIssue,
                 {std::to_string(i + 1), NameOf(proposal, sources, i),
                  std::to_string(section.Issues[i].Line + OffsetOf(proposal, sources, i)), fate}));
    }
    return text + (named > MostNamed
                       ? Note(Fill(say.FateInMore, {std::to_string(named - MostNamed)}))
                       : "");
}

std::string Changing(const Words &say, const SetupProposal &proposal,
                     const ProposalSources &sources, Utf8Of utf8) {
    if (proposal.Changing.empty()) {
        return {};
    }
    std::string text = std::string("  ") + say.ChangingHeadings + "\n";
    for (const ChangingHeading &heading : proposal.Changing) {
        text +=
            Note(Fill(say.ChangingHeading,
                      {std::to_string(heading.Issue + 1), NameOf(proposal, sources, heading.Issue),
                       std::to_string(heading.Line + OffsetOf(proposal, sources, heading.Issue)),
                       QuotedValue(utf8(heading.Heading))}));
    }
    return text;
}

// That issues of other newsletters were set aside, naming the first of them.
std::string SetAside(const Words &say, const SetupProposal &proposal,
                     const ProposalSources &sources) {
    const size_t given = sources.Names.size();
    if (proposal.Groups < 2 || proposal.Issues.size() >= given) {
        return {};
    }
    size_t first = 0;
    while (first < given && std::find(proposal.Issues.begin(), proposal.Issues.end(), first) !=
                                proposal.Issues.end()) {
        ++first;
    }
    return "  " +
           Fill(say.OtherNewsletters,
                {std::to_string(given), std::to_string(proposal.Issues.size()),
                 std::to_string(given - proposal.Issues.size()),
                 first < given ? sources.Names[first] : std::string()}) +
           "\n";
}

} // namespace

std::string DescribeProposal(const Words &say, const SetupProposal &proposal,
                             const ProposalSources &sources, Utf8Of utf8) {
    const std::string aside = SetAside(say, proposal, sources);
    if (proposal.Sections.empty()) {
        return aside + "  " + (proposal.Changing.empty() ? say.NoHeadings : say.OnlyChanging) +
               "\n" + Changing(say, proposal, sources, utf8);
    }
    const bool many = proposal.Issues.size() > 1;
    std::string text =
        aside + "  " +
        (many ? Fill(say.ProposalHeadingMany, {std::to_string(proposal.Issues.size())})
              : std::string(say.ProposalHeading)) +
        "\n";
    size_t number = 0;
    for (const ProposedSection &section : proposal.Sections) {
        ++number;
        text += many ? ManyIssues(say, proposal, sources, section, number, utf8)
                     : OneIssue(say, section, number, OffsetOf(proposal, sources, 0), utf8);
    }
    text += Changing(say, proposal, sources, utf8);
    return text + "  " +
           Fill(many ? say.ProposedSeparatorMany : say.ProposedSeparator,
                {QuotedValue(utf8(proposal.Separator)), std::to_string(proposal.Shown),
                 std::to_string(proposal.Sections.size())}) +
           "\n";
}

std::string ProposalComment(const Words &say, const SetupProposal &proposal) {
    return proposal.Issues.size() > 1
               ? Fill(say.FileCommentMany, {std::to_string(proposal.Issues.size())})
               : std::string(say.FileComment);
}
