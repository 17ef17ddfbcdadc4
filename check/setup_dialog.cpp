#include "check/setup_dialog.h"

#include <algorithm>
#include <vector>

#include "check/conversions.h"
#include "diagnosis/characters.h"
#include "diagnosis/proposal_words.h"
#include "diagnosis/quoted_value.h"
#include "diagnosis/text_judgement.h"
#include "platform/ansi_text.h"
#include "settings/settings_text.h"
#include "viewer/issue.h"

namespace {

// The most tries at a question before the dialog gives up.
constexpr int Tries = 3;

// The answer with full-width ASCII (as an IME types it) made ASCII, and its blanks and the
// Japanese commas as spaces.
std::string Plain(const std::string &utf8) {
    std::vector<size_t> from;
    WideText wide = LenientForm(WideOf(CP_UTF8, utf8), from);
    for (WCHAR &c : wide) {
        c = IsBlank(c) || c == 0x3001 || c == ',' ? ' ' : c;
    }
    return Utf8OfWide(wide);
}

bool IsAll(const std::string &word) { return word == "a" || word == "A" || word == "all"; }

// The sections chosen by number (from 1), in the order given, each once; Enter or A chooses those
// that show. False when a word is no number of a section.
bool ParseChoice(const std::string &answer, const SetupProposal &proposal,
                 std::vector<size_t> &chosen) {
    chosen.clear();
    const std::string plain = Plain(answer);
    const size_t count = proposal.Sections.size();
    size_t words = 0;
    bool all = false;
    for (size_t at = plain.find_first_not_of(' '); at != std::string::npos;
         at = plain.find_first_not_of(' ', at)) {
        const size_t end = std::min(plain.find(' ', at), plain.size());
        const std::string word = plain.substr(at, end - at);
        at = end;
        ++words;
        all = all || IsAll(word);
        const bool number =
            word.size() <= 3 && word.find_first_not_of("0123456789") == std::string::npos;
        const size_t chosenNumber = number ? std::stoul(word) : 0;
        if (IsAll(word)) {
            continue;
        }
        if (chosenNumber == 0 || chosenNumber > count) {
            return false;
        }
        if (std::find(chosen.begin(), chosen.end(), chosenNumber - 1) == chosen.end()) {
            chosen.push_back(chosenNumber - 1);
        }
    }
    if (all && words > 1) {
        return false;
    }
    if (words == 0 || all) {
        chosen = ShowingSections(proposal);
    }
    return !chosen.empty();
}

bool AskSections(const Messages &say, const SetupProposal &proposal, const SetupTalk &talk,
                 std::vector<size_t> &chosen) {
    for (int tries = 0; tries < Tries; ++tries) {
        if (ParseChoice(talk.Ask(say.AskSections), proposal, chosen)) {
            if (chosen.size() > static_cast<size_t>(KeywordCount)) {
                talk.Tell(std::string(say.TooManyChosen) + "\n");
                chosen.resize(KeywordCount);
            }
            return true;
        }
        talk.Tell(Fill(say.WrongChoice, {std::to_string(proposal.Sections.size())}) + "\n");
    }
    return false;
}

std::string AskSeparator(const Messages &say, const std::string &proposed, const SetupTalk &talk) {
    const std::string answer =
        talk.Ask(Fill(say.AskSeparator, {QuotedValue(Utf8OfAnsi(proposed))}));
    size_t unheld = 0;
    return answer.empty() ? proposed : AnsiOf(WideOf(CP_UTF8, answer), unheld);
}

int AskPageLines(const Messages &say, int current, const SetupTalk &talk) {
    const std::string answer = Plain(talk.Ask(Fill(say.AskPageLines, {std::to_string(current)})));
    const size_t first = answer.find_first_not_of(' ');
    if (first == std::string::npos) {
        return current;
    }
    const size_t last = answer.find_last_not_of(' ');
    const std::string digits = answer.substr(first, last - first + 1);
    const bool number =
        digits.size() <= 4 && digits.find_first_not_of("0123456789") == std::string::npos;
    const int lines = number ? std::stoi(digits) : 0;
    if (lines < FewestPageLines) {
        talk.Tell(Fill(say.WrongPageLines, {std::to_string(DefaultPageLines)}) + "\n");
        return DefaultPageLines;
    }
    return lines;
}

bool IsYes(const std::string &answer) {
    const std::string plain = Plain(answer);
    const size_t first = plain.find_first_not_of(' ');
    return first != std::string::npos && (plain[first] == 'y' || plain[first] == 'Y');
}

// The file's text in UTF-8, a line each, indented as the dialog shows it.
std::string Shown(const std::string &file) {
    std::string shown;
    const std::string text = Utf8OfAnsi(file);
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find("\r\n", at), text.size());
        shown += "    " + text.substr(at, end - at) + "\n";
        at = end + 2;
    }
    return shown;
}

// The texts that are issues, as the proposal takes them, with what they are called and where
// they stand among the texts.
std::vector<std::string> IssuesAmong(const std::vector<SetupText> &texts,
                                     const PluginSettings &current, ProposalSources &sources,
                                     std::vector<size_t> &indices) {
    std::vector<std::string> issues;
    for (size_t i = 0; i < texts.size(); ++i) {
        const SetupText &text = texts[i];
        TextJudgement judgement{};
        JudgeText(text.Body.c_str(), text.Body.size() + 1, current, NoBoxCancelled, judgement);
        if (judgement.Issue) {
            issues.push_back(text.Body);
            sources.Names.push_back(text.Name);
            sources.Offsets.push_back(text.Offset);
            indices.push_back(i);
        }
    }
    return issues;
}

} // namespace

SetupChoice AskSetup(const Messages &say, const std::vector<SetupText> &texts,
                     const PluginSettings &current, const std::string &path,
                     const SetupTalk &talk) {
    const Words &words = WordsFor(GetACP());
    ProposalSources sources;
    std::vector<size_t> indices;
    const std::vector<std::string> issues = IssuesAmong(texts, current, sources, indices);
    if (issues.empty()) {
        talk.Tell(std::string(say.SetupHeading) + "\n  " +
                  Fill(words.NoIssueGiven, {IssueMarker, std::to_string(MarkerWindow)}) + "\n");
        return {false, {}, {}};
    }
    const SetupProposal proposal = ProposeSetup(issues, current);
    talk.Tell(std::string(say.SetupHeading) + "\n" +
              DescribeProposal(words, proposal, sources, Utf8OfAnsi) + "\n");
    std::vector<size_t> chosen;
    if (proposal.Sections.empty() || !AskSections(say, proposal, talk, chosen)) {
        return {false, {}, {}};
    }
    std::vector<std::string> keywords;
    keywords.reserve(chosen.size());
    for (const size_t index : chosen) {
        keywords.push_back(proposal.Sections[index].Keyword);
    }
    const std::string separator = AskSeparator(say, proposal.Separator, talk);
    const int pageLines = AskPageLines(say, current.PageLines, talk);
    size_t unheld = 0;
    const std::string comment = AnsiOf(WideOf(CP_UTF8, ProposalComment(words, proposal)), unheld);
    const std::string file = SettingsFileText({comment}, keywords, separator, pageLines);
    talk.Tell("\n" + Fill(say.FileToWrite, {path}) + "\n" + Shown(file) + "\n");
    std::vector<size_t> madeFrom;
    for (const size_t issue : proposal.Issues) {
        madeFrom.push_back(indices[issue]);
    }
    return {IsYes(talk.Ask(say.AskWrite)), file, madeFrom};
}
