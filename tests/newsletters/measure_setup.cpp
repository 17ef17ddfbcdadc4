// The measure of the settings made from issues, over the newsletters' corpus (README.md): for
// each issue alone and for each newsletter's issues together, the headings of the reader's
// sections that the proposal finds, the lines it lists that head no section, the sections that
// its keywords and separator show with their body under a whole caption (of those that one
// separator can end), and the keywords offered to write that are found at their section's heading
// in every issue where it stands.
// With --floors FILE, exits 1 when a figure falls below the floor the file sets for it.
#include <dirent.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "diagnosis/characters.h"
#include "diagnosis/issue_layout.h"
#include "diagnosis/line_shapes.h"
#include "diagnosis/setup_proposal.h"
#include "diagnosis/text_advice.h"
#include "diagnosis/text_lines.h"
#include "diagnosis/trial_text.h"
#include "platform/lead_bytes.h"
#include "platform/posix/environment.h"
#include "settings/settings_text.h"
#include "viewer/caption.h"
#include "viewer/scan/scan_kernels.h"

namespace {

struct TruthSection {
    size_t Heading; // lines from 1
    size_t Body;
    size_t End;
};

struct CorpusIssue {
    std::string Name;
    std::string Text;
    std::vector<TextLine> Lines;
    std::vector<TruthSection> Truth;
};

struct Newsletter {
    std::string Name;
    std::vector<CorpusIssue> Issues;
};

// Counts that make the figures; added up over issues and newsletters.
struct Tally {
    size_t Sections = 0; // the reader's
    size_t Found = 0;    // of those, listed by the proposal
    size_t Listed = 0;   // lines the proposal lists
    size_t NoSection = 0;
    size_t Endable = 0;  // sections that the best single separator ends
    size_t Shown = 0;    // sections shown with their body under a whole caption
    size_t ShownCut = 0; // and under a caption that leaves out letters of the heading
    size_t Keywords = 0;
    size_t EveryIssue = 0; // keywords found at their section's heading in every issue

    void Add(const Tally &other) {
        Sections += other.Sections;
        Found += other.Found;
        Listed += other.Listed;
        NoSection += other.NoSection;
        Endable += other.Endable;
        Shown += other.Shown;
        ShownCut += other.ShownCut;
        Keywords += other.Keywords;
        EveryIssue += other.EveryIssue;
    }
};

// What a proposal lists in one issue: the lines of its sections and their keywords.
struct ListedSection {
    size_t Line;
    std::string Keyword;
};

struct IssueProposal {
    std::vector<ListedSection> Sections;
};

struct Proposal {
    std::vector<IssueProposal> Issues; // one per issue given
    std::vector<std::string> Offered;  // the keywords offered to write: those that show
    std::string Separator;
};

std::string FileBytes(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::vector<std::string> Entries(const std::string &folder) {
    std::vector<std::string> names;
    if (DIR *dir = opendir(folder.c_str())) {
        while (const dirent *entry = readdir(dir)) {
            if (entry->d_name[0] != '.') {
                names.emplace_back(entry->d_name);
            }
        }
        closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<TruthSection> ReadTruth(const std::string &path) {
    std::vector<TruthSection> truth;
    std::istringstream rows(FileBytes(path));
    for (std::string row; std::getline(rows, row);) {
        TruthSection section{};
        if (!row.empty() && row[0] != '#' &&
            std::sscanf(row.c_str(), "%zu\t%zu\t%zu", &section.Heading, &section.Body,
                        &section.End) == 3) {
            truth.push_back(section);
        }
    }
    return truth;
}

std::vector<Newsletter> ReadCorpus(const std::string &root) {
    std::vector<Newsletter> corpus;
    for (const std::string &name : Entries(root)) {
        Newsletter newsletter{name, {}};
        std::string folder = root;
        folder.append("/").append(name);
        for (const std::string &file : Entries(folder)) {
            if (file.size() < 4 || file.compare(file.size() - 4, 4, ".txt") != 0) {
                continue;
            }
            std::string stem = folder;
            stem.append("/").append(file, 0, file.size() - 4);
            std::string named = name;
            named.append("/").append(file);
            CorpusIssue issue{named, FileBytes(stem + ".txt"), {}, {}};
            issue.Lines = LinesOf(issue.Text);
            issue.Truth = ReadTruth(stem + ".sections");
            newsletter.Issues.push_back(std::move(issue));
        }
        if (!newsletter.Issues.empty()) {
            corpus.push_back(std::move(newsletter));
        }
    }
    return corpus;
}

PluginSettings NoSettings() {
    PluginSettings settings{};
    std::snprintf(settings.SeparatorText, sizeof settings.SeparatorText, "\n%s", DefaultSeparator);
    settings.PageLines = DefaultPageLines;
    return settings;
}

// The settings made from the issues together.
Proposal ProposeFor(const std::vector<const CorpusIssue *> &issues) {
    std::vector<std::string> texts;
    texts.reserve(issues.size());
    for (const CorpusIssue *issue : issues) {
        texts.push_back(issue->Text);
    }
    const SetupProposal made = ProposeSetup(texts, NoSettings());
    Proposal proposal;
    proposal.Separator = made.Separator;
    proposal.Issues.resize(issues.size());
    for (const size_t index : ShowingSections(made)) {
        proposal.Offered.push_back(made.Sections[index].Keyword);
    }
    for (const ProposedSection &section : made.Sections) {
        for (size_t i = 0; i < made.Issues.size(); ++i) {
            if (section.Issues[i].Line != 0 && section.Issues[i].Fate != SectionFate::NotFound) {
                proposal.Issues[made.Issues[i]].Sections.push_back(
                    {section.Issues[i].Line, section.Keyword});
            }
        }
    }
    return proposal;
}

// A line that holds no word: blank, a rule, marks or a frame.
bool HoldsNoWord(const TextLine &line) {
    return std::none_of(line.Characters.begin(), line.Characters.end(),
                        [](WCHAR c) { return IsLetter(c) || IsDigit(c); });
}

// The last line of the section's body: lines after it up to its end are blank or rules.
size_t LastBodyLine(const CorpusIssue &issue, const TruthSection &section) {
    size_t last = section.End - 1;
    while (last > section.Body && HoldsNoWord(issue.Lines[last - 1])) {
        --last;
    }
    return last;
}

bool StartsWith(const std::string &text, const TextLine &line, const std::string &prefix) {
    return line.End - line.Start >= prefix.size() &&
           text.compare(line.Start, prefix.size(), prefix) == 0;
}

// Whether a box that ends before `line` holds the section's body and nothing of the next but its
// frame: the line comes after the body, and nothing but lines without words from the section's end.
bool EndsAt(const CorpusIssue &issue, const TruthSection &section, size_t line) {
    if (line <= LastBodyLine(issue, section)) {
        return false;
    }
    for (size_t past = section.End; past < line; ++past) {
        if (!HoldsNoWord(issue.Lines[past - 1])) {
            return false;
        }
    }
    return true;
}

// Whether a separator ends the section so: the first line after its heading that starts with it.
bool Ends(const CorpusIssue &issue, const TruthSection &section, const std::string &separator) {
    for (size_t line = section.Heading + 1; line <= issue.Lines.size(); ++line) {
        if (StartsWith(issue.Text, issue.Lines[line - 1], separator)) {
            return EndsAt(issue, section, line);
        }
    }
    return false;
}

// The beginnings of the line, as separators to try.
void AddBeginnings(const CorpusIssue &issue, size_t number, std::vector<std::string> &tried) {
    constexpr size_t LongestTried = 40;
    const TextLine &line = issue.Lines[number - 1];
    for (size_t characters = 1; characters <= line.Characters.size() && characters <= LongestTried;
         ++characters) {
        AddSeparatorCandidate(issue.Text.substr(line.Start, line.Bytes[characters] - line.Start),
                              tried);
    }
}

// The separators a reader could write to end sections: the beginnings of the lines that end them,
// and of the first line with words from there (the next heading, under its frame).
std::vector<std::string> SeparatorsToTry(const std::vector<const CorpusIssue *> &issues) {
    std::vector<std::string> tried;
    for (const CorpusIssue *issue : issues) {
        for (const TruthSection &section : issue->Truth) {
            size_t line = section.End;
            if (line <= issue->Lines.size()) {
                AddBeginnings(*issue, line, tried);
            }
            while (line <= issue->Lines.size() && HoldsNoWord(issue->Lines[line - 1])) {
                ++line;
            }
            if (line <= issue->Lines.size()) {
                AddBeginnings(*issue, line, tried);
            }
        }
    }
    return tried;
}

// The most sections of the issues that one separator ends where the reader ends them.
size_t Endable(const std::vector<const CorpusIssue *> &issues) {
    size_t most = 0;
    for (const std::string &separator : SeparatorsToTry(issues)) {
        size_t ended = 0;
        for (const CorpusIssue *issue : issues) {
            for (const TruthSection &section : issue->Truth) {
                ended += Ends(*issue, section, separator) ? 1 : 0;
            }
        }
        most = std::max(most, ended);
    }
    return most;
}

enum class Showing { Not, Cut, Whole };

// Whether the keyword with the separator shows the section: found at its heading, its box the
// body to the section's end; whole, when its caption holds every letter of the heading.
Showing ShowingOf(const CorpusIssue &issue, const TruthSection &section, const std::string &keyword,
                  const std::string &separator) {
    const PluginSettings settings = WithSeparator(WithKeyword(NoSettings(), 0, keyword), separator);
    const TextJudgement judged = JudgeText(issue.Text, settings);
    const KeywordJudgement *found = KeywordOf(judged, 0);
    if (found == nullptr || found->Fate != SectionFate::Shows || found->Line != section.Heading ||
        !EndsAt(issue, section, LineAt(issue.Lines, found->End) + 1)) {
        return Showing::Not;
    }
    const TextLine &heading = issue.Lines[section.Heading - 1];
    size_t first = heading.End;
    size_t last = heading.Start;
    for (size_t i = 0; i < heading.Characters.size(); ++i) {
        if (IsLetter(heading.Characters[i])) {
            first = std::min(first, heading.Bytes[i]);
            last = std::max(last, heading.Bytes[i + 1]);
        }
    }
    const size_t captionStart = found->Start + static_cast<size_t>(ExcerptSkip);
    const size_t keywordEnd = found->Start + keyword.size();
    return captionStart <= first && keywordEnd >= last ? Showing::Whole : Showing::Cut;
}

// The line (from 1) of the reader's heading that the keyword finds in the issue; 0 for none.
size_t HeadingFound(const CorpusIssue &issue, const std::string &keyword) {
    const TextJudgement judged = JudgeText(issue.Text, WithKeyword(NoSettings(), 0, keyword));
    const KeywordJudgement *found = KeywordOf(judged, 0);
    const bool heads =
        found != nullptr && found->Fate != SectionFate::NotFound &&
        std::any_of(issue.Truth.begin(), issue.Truth.end(),
                    [&](const TruthSection &truth) { return truth.Heading == found->Line; });
    return heads ? found->Line : 0;
}

// Whether the keyword finds its section's heading in every issue where the reader has that
// section: where a heading of the same words stands as the one it finds first.
bool FoundWhereItStands(const std::vector<const CorpusIssue *> &issues,
                        const std::string &keyword) {
    WideText words;
    for (const CorpusIssue *issue : issues) {
        const size_t line = HeadingFound(*issue, keyword);
        if (line != 0) {
            words = WordsOf(issue->Lines[line - 1].Characters);
            break;
        }
    }
    if (words.empty()) {
        return false;
    }
    for (const CorpusIssue *issue : issues) {
        const bool stands =
            std::any_of(issue->Truth.begin(), issue->Truth.end(), [&](const TruthSection &truth) {
                return SameWords(words, WordsOf(issue->Lines[truth.Heading - 1].Characters));
            });
        if (stands && HeadingFound(*issue, keyword) == 0) {
            return false;
        }
    }
    return true;
}

// The line as the terminal shows it.
std::string Shown(const CorpusIssue &issue, size_t line) {
    return Utf8OfWide(issue.Lines[line - 1].Characters);
}

// With --detail: the reader's headings that the proposal misses or shows wrong, and the lines it
// lists that head no section.
bool Detail = false;

void PrintDetail(const CorpusIssue &issue, const std::vector<ListedSection> &listed,
                 const std::string &separator) {
    for (const TruthSection &truth : issue.Truth) {
        const auto at = std::find_if(listed.begin(), listed.end(), [&](const ListedSection &s) {
            return s.Line == truth.Heading;
        });
        if (at == listed.end()) {
            const std::vector<size_t> read = ReadLayout(issue.Text, issue.Lines).Headings;
            const bool heading = std::count(read.begin(), read.end(), truth.Heading) > 0;
            std::printf("    missed%s %zu: %s\n", heading ? " (no keyword)" : "", truth.Heading,
                        Shown(issue, truth.Heading).c_str());
        } else if (ShowingOf(issue, truth, at->Keyword, separator) != Showing::Whole) {
            const PluginSettings settings =
                WithSeparator(WithKeyword(NoSettings(), 0, at->Keyword), separator);
            const TextJudgement judged = JudgeText(issue.Text, settings);
            const KeywordJudgement *found = KeywordOf(judged, 0);
            std::printf(
                "    not whole %zu: %s [keyword %s, separator %s: line %zu, %s, ends before "
                "line %zu, the reader's at %zu]\n",
                truth.Heading, Shown(issue, truth.Heading).c_str(),
                Utf8OfWide(WideOfAnsi(WrittenValue(at->Keyword))).c_str(),
                Utf8OfWide(WideOfAnsi(separator)).c_str(), found->Line,
                found->Fate == SectionFate::Shows ? "shown" : "not shown",
                LineAt(issue.Lines, found->End) + 1, truth.End);
        }
    }
    for (const ListedSection &section : listed) {
        if (std::none_of(issue.Truth.begin(), issue.Truth.end(),
                         [&](const TruthSection &t) { return t.Heading == section.Line; })) {
            std::printf("    no section %zu: %s\n", section.Line,
                        Shown(issue, section.Line).c_str());
        }
    }
}

void PrintRow(const std::string &name, const Tally &tally);

// The issues' tally, printed as a row named so (with the detail asked for).
Tally Measure(const std::vector<const CorpusIssue *> &issues, const std::string &name) {
    const Proposal proposal = ProposeFor(issues);
    Tally tally;
    tally.Endable = Endable(issues);
    for (size_t i = 0; i < issues.size(); ++i) {
        const CorpusIssue &issue = *issues[i];
        const std::vector<ListedSection> &listed = proposal.Issues[i].Sections;
        tally.Sections += issue.Truth.size();
        tally.Listed += listed.size();
        for (const ListedSection &section : listed) {
            const bool heads =
                std::any_of(issue.Truth.begin(), issue.Truth.end(), [&](const TruthSection &truth) {
                    return truth.Heading == section.Line;
                });
            tally.NoSection += heads ? 0 : 1;
        }
        for (const TruthSection &truth : issue.Truth) {
            const auto at = std::find_if(listed.begin(), listed.end(), [&](const ListedSection &s) {
                return s.Line == truth.Heading;
            });
            tally.Found += at != listed.end() ? 1 : 0;
            const Showing showing = at != listed.end()
                                        ? ShowingOf(issue, truth, at->Keyword, proposal.Separator)
                                        : Showing::Not;
            tally.Shown += showing == Showing::Whole ? 1 : 0;
            tally.ShownCut += showing == Showing::Cut ? 1 : 0;
        }
    }
    tally.Shown = std::min(tally.Shown, tally.Endable);
    if (issues.size() > 1) {
        for (const std::string &keyword : proposal.Offered) {
            ++tally.Keywords;
            tally.EveryIssue += FoundWhereItStands(issues, keyword) ? 1 : 0;
        }
    }
    PrintRow(name, tally);
    for (size_t i = 0; Detail && i < issues.size(); ++i) {
        PrintDetail(*issues[i], proposal.Issues[i].Sections, proposal.Separator);
    }
    return tally;
}

// The share of the part in the whole; `none` where the whole is empty (all found of nothing,
// none listed wrongly of nothing listed).
double Share(size_t part, size_t whole, double none = 1.0) {
    return whole == 0 ? none : static_cast<double>(part) / static_cast<double>(whole);
}

// For each newsletter of several issues, given its issues with the first issue of the next
// newsletter among them: whether the proposal sets that one aside and is made from its own.
size_t ToldApart(const std::vector<Newsletter> &corpus, size_t &tried) {
    size_t apart = 0;
    tried = 0;
    for (size_t n = 0; n < corpus.size(); ++n) {
        const Newsletter &newsletter = corpus[n];
        const Newsletter &other = corpus[(n + 1) % corpus.size()];
        if (newsletter.Issues.size() < 2 || &other == &newsletter) {
            continue;
        }
        std::vector<std::string> texts;
        std::vector<size_t> own;
        for (const CorpusIssue &issue : newsletter.Issues) {
            if (texts.size() == 1) {
                texts.push_back(other.Issues.front().Text);
            }
            own.push_back(texts.size());
            texts.push_back(issue.Text);
        }
        ++tried;
        const SetupProposal made = ProposeSetup(texts, NoSettings());
        apart += made.Issues == own ? 1 : 0;
        if (Detail && made.Issues != own) {
            std::printf("    not told apart: %s with %s\n", newsletter.Name.c_str(),
                        other.Issues.front().Name.c_str());
        }
    }
    return apart;
}

// The figures that the floors hold, by name.
std::map<std::string, double> Figures(const Tally &alone, const Tally &together) {
    return {{"alone.found", Share(alone.Found, alone.Sections)},
            {"alone.no-section", Share(alone.NoSection, alone.Listed, 0)},
            {"alone.shown", Share(alone.Shown, alone.Endable)},
            {"together.found", Share(together.Found, together.Sections)},
            {"together.no-section", Share(together.NoSection, together.Listed, 0)},
            {"together.shown", Share(together.Shown, together.Endable)},
            {"together.every-issue", Share(together.EveryIssue, together.Keywords)}};
}

void PrintRow(const std::string &name, const Tally &tally) {
    std::printf("%-32s %8zu %6zu %7zu %11zu %8zu %6zu", name.c_str(), tally.Sections, tally.Found,
                tally.Listed, tally.NoSection, tally.Endable, tally.Shown);
    if (tally.Keywords > 0) {
        std::printf(" %9zu %10zu", tally.Keywords, tally.EveryIssue);
    }
    std::printf("\n");
}

void PrintHeader(const char *title) {
    std::printf("\n%s\n%-32s %8s %6s %7s %11s %8s %6s %9s %10s\n", title, "", "sections", "found",
                "listed", "no section", "endable", "shown", "keywords", "every one");
}

void PrintTotals(const char *title, const Tally &tally, bool keywords) {
    std::printf("%s: headings found %.1f %% (%zu of %zu); lines listed that are no section "
                "%.1f %% (%zu of %zu); shown with their body under a whole caption %.1f %% (%zu "
                "of the %zu that one separator can end; %zu more under a caption that leaves out "
                "letters)",
                title, 100 * Share(tally.Found, tally.Sections), tally.Found, tally.Sections,
                100 * Share(tally.NoSection, tally.Listed, 0), tally.NoSection, tally.Listed,
                100 * Share(tally.Shown, tally.Endable), tally.Shown, tally.Endable,
                tally.ShownCut);
    if (keywords) {
        std::printf("; keywords found in every issue %.1f %% (%zu of %zu)",
                    100 * Share(tally.EveryIssue, tally.Keywords), tally.EveryIssue,
                    tally.Keywords);
    }
    std::printf("\n");
}

// Lines `NAME MINIMUM` (or `NAME at most MAXIMUM` for the shares that must stay low).
bool HoldsFloors(const std::string &path, const std::map<std::string, double> &figures) {
    std::istringstream rows(FileBytes(path));
    bool held = true;
    for (std::string row; std::getline(rows, row);) {
        char name[64];
        double bound = 0;
        char most[8] = "";
        if (row.empty() || row[0] == '#') {
            continue;
        }
        const bool ceiling = std::sscanf(row.c_str(), "%63s at %7s %lf", name, most, &bound) == 3;
        if (!ceiling && std::sscanf(row.c_str(), "%63s %lf", name, &bound) != 2) {
            std::printf("floors: cannot read \"%s\"\n", row.c_str());
            held = false;
            continue;
        }
        const auto figure = figures.find(name);
        if (figure == figures.end()) {
            std::printf("floors: no figure is named %s\n", name);
            held = false;
        } else if (ceiling ? figure->second > bound : figure->second < bound) {
            std::printf("floors: %s is %.3f, %s %.3f\n", name, figure->second,
                        ceiling ? "above its ceiling" : "below its floor", bound);
            held = false;
        }
    }
    return held;
}

} // namespace

int main(int argc, char **argv) {
    Detail = argc > 1 && std::string(argv[1]) == "--detail";
    argv += Detail ? 1 : 0;
    argc -= Detail ? 1 : 0;
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s [--detail] CORPUS [--floors FILE]\n", argv[0]);
        return 2;
    }
    // The issues are Shift_JIS, as a reader on Japanese Windows has them.
    setenv(CodePageVariable, "932", 1);
    LoadLeadBytes();
    ChooseScanKernels();
    const std::vector<Newsletter> corpus = ReadCorpus(argv[1]);
    Tally alone;
    Tally together;
    PrintHeader("Each issue alone");
    for (const Newsletter &newsletter : corpus) {
        for (const CorpusIssue &issue : newsletter.Issues) {
            const Tally tally = Measure({&issue}, issue.Name);
            alone.Add(tally);
        }
    }
    PrintHeader("Each newsletter's issues together");
    for (const Newsletter &newsletter : corpus) {
        if (newsletter.Issues.size() < 2) {
            continue;
        }
        std::vector<const CorpusIssue *> issues;
        for (const CorpusIssue &issue : newsletter.Issues) {
            issues.push_back(&issue);
        }
        const Tally tally =
            Measure(issues, newsletter.Name + " (" + std::to_string(issues.size()) + ")");
        together.Add(tally);
    }
    std::printf("\n");
    PrintTotals("Each issue alone", alone, false);
    PrintTotals("Each newsletter's issues together", together, true);
    size_t tried = 0;
    const size_t apart = ToldApart(corpus, tried);
    std::printf("Another newsletter's issue among a newsletter's issues: set aside in %zu of %zu\n",
                apart, tried);
    std::map<std::string, double> figures = Figures(alone, together);
    figures["mixed.set-aside"] = Share(apart, tried);
    const bool floors = argc == 4 && std::string(argv[2]) == "--floors";
    return floors && !HoldsFloors(argv[3], figures) ? 1 : 0;
}
