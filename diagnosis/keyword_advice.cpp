#include "diagnosis/keyword_advice.h"

#include <algorithm>
#include <cstring>

#include "diagnosis/caption_form.h"
#include "diagnosis/characters.h"
#include "diagnosis/keyword_forms.h"
#include "platform/lead_bytes.h"
#include "settings/settings_text.h"
#include "viewer/caption.h"
#include "viewer/search/find_text.h"

namespace {

// Whether the layout reads the line as a section's heading.
bool Heads(const IssueLayout &layout, size_t line) {
    return line >= 1 && line <= layout.Roles.size() && layout.Roles[line - 1] == LineRole::Heading;
}

// Whether the keyword found at `start` starts right after its heading's number, among the marks
// it opens with: a keyword made to follow a heading whose number changes from issue to issue,
// whose caption leaves out letters on purpose.
bool AfterNumber(const TrialText &text, size_t start) {
    const TextLine &line = text.Lines[LineAt(text.Lines, start) - 1];
    bool digit = false;
    for (size_t i = 0; i < line.Characters.size() && line.Bytes[i] < start; ++i) {
        if (IsLetter(line.Characters[i])) {
            return false;
        }
        digit = IsDigit(line.Characters[i]);
    }
    return digit;
}

// Headings of a table of contents tried for a keyword that stands in it.
constexpr size_t MostTried = 16;

TextAdvice AdviceOn(AdviceKind kind, int key, const std::string &keyword) {
    return {kind, key, keyword, {}, false, {}, {}, {}, {}, 0, 0, 0};
}

void SetFix(TextAdvice &advice, const std::string &form, size_t line) {
    advice.Fix = WrittenValue(form);
    advice.Caption = CaptionOf(form.c_str());
    advice.FixedLine = line;
}

// The places where the keyword stands, as the plugin's search finds them, up to one more than
// advice names.
std::vector<size_t> Occurrences(const std::string &text, const char *keyword) {
    std::vector<size_t> found;
    for (size_t from = 0; from < text.size() && found.size() <= MostPlaces;) {
        const char *at = FindText(text.c_str() + from, text.size() - from, keyword);
        if (at == nullptr) {
            break;
        }
        const auto position = static_cast<size_t>(at - text.c_str());
        found.push_back(position);
        from = position + (IsLeadByte(*at) ? 2 : 1);
    }
    return found;
}

// Whether the line (from 1) stands where a heading stands: first, or after a rule or a blank line.
bool OpensPart(const TrialText &text, size_t line) {
    return line == 1 || IsRule(text.Lines[line - 2]) || IsBlankLine(text.Lines[line - 2]);
}

// A keyword for the heading that stands at `place` on the line: the line up to the keyword and
// the keyword, or that with the line break before it, whichever the plugin finds there first
// with a whole caption.
bool FormAtHeading(const TrialText &text, int key, size_t place, size_t lineNumber,
                   std::string &form) {
    const TextLine &line = text.Lines[lineNumber - 1];
    const std::string whole =
        text.Bytes.substr(line.Start, place - line.Start) + text.Settings.Keywords[key];
    const size_t broken = line.Start >= 2 ? line.Start - 2 : line.Start;
    for (const size_t from : {line.Start, broken}) {
        const std::string candidate = text.Bytes.substr(from, line.Start - from) + whole;
        if (WholeCaptionForm(text, key, from, candidate, form)) {
            return true;
        }
    }
    return false;
}

// The text's lines joined by LF in their lenient forms, each unit with the byte it comes from.
WideText LenientText(const TrialText &text, std::vector<size_t> &bytes) {
    WideText joined;
    for (const TextLine &line : text.Lines) {
        std::vector<size_t> from;
        const WideText lenient = LenientForm(line.Characters, from);
        for (size_t i = 0; i < lenient.size(); ++i) {
            joined += lenient[i];
            bytes.push_back(line.Bytes[from[i]]);
        }
        joined += '\n';
        bytes.push_back(line.End);
    }
    bytes.push_back(text.Bytes.size());
    return joined;
}

// The keyword in its lenient form, less its trailing blanks, its line breaks as LF alone.
WideText LenientKeyword(const char *keyword) {
    WideText wide = WideOfAnsi(keyword);
    while (!wide.empty() && IsBlank(wide.back())) {
        wide.pop_back();
    }
    WideText unbroken;
    for (const WCHAR c : wide) {
        unbroken += c == '\r' ? WideText() : WideText(1, c);
    }
    std::vector<size_t> ignored;
    return LenientForm(unbroken, ignored);
}

} // namespace

void AdviseCaption(const TrialText &text, int key, const KeywordJudgement &judged,
                   std::vector<TextAdvice> &advice) {
    const std::string keyword = text.Settings.Keywords[key];
    if (keyword.size() <= static_cast<size_t>(ExcerptSkip) || !CutsCaption(keyword) ||
        AfterNumber(text, judged.Start)) {
        return;
    }
    TextAdvice cut = AdviceOn(AdviceKind::CutCaption, key, keyword);
    cut.Lines.push_back(judged.Line);
    std::string form;
    if (WholeCaptionForm(text, key, judged.Start, keyword, form)) {
        SetFix(cut, form, judged.Line);
    }
    advice.push_back(cut);
}

void AdviseFoundAgain(const TrialText &text, const IssueLayout &layout, int key,
                      std::vector<TextAdvice> &advice) {
    const char *keyword = text.Settings.Keywords[key];
    std::vector<size_t> places = Occurrences(text.Bytes, keyword);
    if (places.size() < 2) {
        return;
    }
    TextAdvice again = AdviceOn(AdviceKind::FoundAgain, key, keyword);
    again.MorePlaces = places.size() > MostPlaces;
    places.resize(std::min(places.size(), MostPlaces));
    for (const size_t place : places) {
        again.Lines.push_back(LineAt(text.Lines, place));
    }
    // Where the layout reads a later place as a section's heading and the first as none, the
    // keyword that reaches that heading is the fix: the line above it tells it from its copy in a
    // table of contents.
    for (size_t i = 1; i < places.size() && !Heads(layout, again.Lines[0]); ++i) {
        if (Heads(layout, again.Lines[i])) {
            const std::vector<KeywordForm> forms = KeywordForms(text, again.Lines[i]);
            if (!forms.empty()) {
                SetFix(again, forms.front().Keyword, again.Lines[i]);
            }
            advice.push_back(again);
            return;
        }
    }
    // Else, where the first place opens a part, it is taken for the heading: the others are
    // mentions.
    size_t tried = 0;
    for (size_t i = 1; i < places.size() && !OpensPart(text, again.Lines[0]) && tried < MostTried;
         ++i) {
        if (!OpensPart(text, again.Lines[i])) {
            continue;
        }
        ++tried;
        std::string form;
        if (FormAtHeading(text, key, places[i], again.Lines[i], form)) {
            SetFix(again, form, again.Lines[i]);
            break;
        }
    }
    advice.push_back(again);
}

void AdviseNearMiss(const TrialText &text, int key, std::vector<TextAdvice> &advice) {
    const WideText wanted = LenientKeyword(text.Settings.Keywords[key]);
    std::vector<size_t> bytes;
    const WideText lenient = LenientText(text, bytes);
    const size_t at = wanted.empty() ? WideText::npos : lenient.find(wanted);
    if (at == WideText::npos) {
        return;
    }
    const size_t from = bytes[at];
    size_t to = bytes[at + wanted.size()];
    while (to > from && IsLineBreak(text.Bytes[to - 1]) && wanted.back() != '\n') {
        --to;
    }
    const std::string candidate = text.Bytes.substr(from, to - from);
    const TextJudgement judged = JudgeText(text.Bytes, WithKeyword(text.Settings, key, candidate));
    const KeywordJudgement *found = KeywordOf(judged, key);
    std::string form;
    if (found == nullptr || found->Fate == SectionFate::NotFound ||
        !WholeCaptionForm(text, key, found->Start, candidate, form)) {
        return;
    }
    TextAdvice nearMiss = AdviceOn(AdviceKind::NearMiss, key, text.Settings.Keywords[key]);
    nearMiss.Lines.push_back(found->Line);
    nearMiss.InText = candidate;
    SetFix(nearMiss, form, found->Line);
    advice.push_back(nearMiss);
}
