#include "diagnosis/keyword_forms.h"

#include <algorithm>

#include "diagnosis/advice.h"
#include "diagnosis/caption_form.h"
#include "diagnosis/characters.h"
#include "diagnosis/line_shapes.h"
#include "settings/settings_text.h"
#include "viewer/caption.h"

namespace {

// The heading's bytes to its last word and the marks that close it.
std::string HeadingBytes(const std::string &text, const TextLine &line) {
    const WideText &characters = line.Characters;
    size_t end = TrimmedLine(line).size();
    // Marks set apart from the words by blanks (the padding and the closing marks of a framed
    // heading, "　　　◆◆") are left out: their count changes with the heading's words.
    size_t word = end;
    while (word > 0 && !IsLetter(characters[word - 1]) && !IsDigit(characters[word - 1])) {
        --word;
    }
    size_t attached = word;
    while (attached < end && !IsBlank(characters[attached])) {
        ++attached;
    }
    end = word > 0 ? attached : end;
    return text.substr(line.Start, line.Bytes[end] - line.Start);
}

// The line's bytes less the blanks at its end.
std::string LineBytes(const std::string &text, const TextLine &line) {
    return text.substr(line.Start, line.Bytes[TrimmedLine(line).size()] - line.Start);
}

// The heading to its last word and the first blank of the padding after it: what tells a framed
// heading from its copy in a table of contents, however long the padding.
std::string PaddedBytes(const std::string &text, const TextLine &line) {
    std::string heading = HeadingBytes(text, line);
    const size_t end = line.Start + heading.size();
    const auto next = std::lower_bound(line.Bytes.begin(), line.Bytes.end(), end);
    const size_t at = static_cast<size_t>(next - line.Bytes.begin());
    if (next == line.Bytes.end() || at + 1 >= line.Bytes.size() || !IsBlank(line.Characters[at])) {
        return heading;
    }
    return text.substr(line.Start, line.Bytes[at + 1] - line.Start);
}

// Where the heading's number ends (a character's index): the first run of digits among the marks
// it opens with (【１】, ■1., 1)), before its first letter; 0 when it has none, or the digits run
// into a word (2026年, 1番目), which they count rather than number.
size_t NumberEnd(const TextLine &line) {
    size_t at = 0;
    while (at < line.Characters.size() && !IsDigit(line.Characters[at]) &&
           !IsLetter(line.Characters[at])) {
        ++at;
    }
    if (at == line.Characters.size() || !IsDigit(line.Characters[at])) {
        return 0;
    }
    while (at < line.Characters.size() && IsDigit(line.Characters[at])) {
        ++at;
    }
    return at < line.Characters.size() && IsLetter(line.Characters[at]) ? 0 : at;
}

// The keyword whose caption starts at the character `first` of the heading, where the bytes that
// the caption leaves out are characters of the heading's line (its marks, its number) or the line
// break above it; empty when there is none, or it is found first elsewhere.
std::string CaptionFrom(const TrialText &text, const TextLine &heading, const std::string &whole,
                        size_t first) {
    const auto skip = static_cast<size_t>(ExcerptSkip);
    // The line break above is two bytes: the heading's first line has none.
    const size_t earliest = heading.Start >= 2 ? heading.Start - 2 : heading.Start;
    if (first >= heading.Characters.size() || heading.Bytes[first] < earliest + skip) {
        return {};
    }
    const size_t start = heading.Bytes[first] - skip;
    const bool onLine = start >= heading.Start &&
                        std::binary_search(heading.Bytes.begin(), heading.Bytes.end(), start);
    const bool afterBreak = heading.Start >= 2 && start + 2 == heading.Start &&
                            text.Bytes.compare(start, 2, "\r\n") == 0;
    if (!onLine && !afterBreak) {
        return {};
    }
    const std::string candidate = onLine ? whole.substr(start - heading.Start) : "\r\n" + whole;
    return !CutsCaption(candidate) && FoundAt(text, 0, candidate, start) ? candidate : "";
}

// The keyword whose caption starts at the heading's first letter, or at the blank before it.
std::string LetterCaptionForm(const TrialText &text, const TextLine &heading,
                              const std::string &whole) {
    size_t letter = 0;
    while (letter < heading.Characters.size() && !IsLetter(heading.Characters[letter])) {
        ++letter;
    }
    const std::string form = CaptionFrom(text, heading, whole, letter);
    const bool blank =
        letter > 0 && letter < heading.Characters.size() && IsBlank(heading.Characters[letter - 1]);
    return form.empty() && blank ? CaptionFrom(text, heading, whole, letter - 1) : form;
}

// The keyword that starts with the last ExcerptSkip - 2 bytes of the line above (the end of a
// rule, blanks, or the line break before an empty line) and the line break, whose caption is the
// heading whole: where the heading's words stand first elsewhere too (a table of contents), what
// ends the line above tells them apart.
std::string AboveLineForm(const TrialText &text, size_t line, const std::string &whole) {
    const auto lead = static_cast<size_t>(ExcerptSkip);
    const TextLine &heading = text.Lines[line - 1];
    if (line < 2 || heading.Start < lead || text.Bytes.compare(heading.Start - 2, 2, "\r\n") != 0) {
        return {};
    }
    const size_t start = heading.Start - lead;
    const TextLine &above = text.Lines[line - 2];
    const bool boundary =
        start < above.Start ? start + 2 == above.Start && text.Bytes.compare(start, 2, "\r\n") == 0
                            : std::binary_search(above.Bytes.begin(), above.Bytes.end(), start);
    const std::string candidate = text.Bytes.substr(start, lead) + whole;
    return boundary && !CutsCaption(candidate) && FoundAt(text, 0, candidate, start) ? candidate
                                                                                     : "";
}

// The heading's number, in the code page, where one stands within its first characters.
std::string NumberOf(const std::string &text, const TextLine &heading) {
    const size_t end = NumberEnd(heading);
    if (end == 0) {
        return {};
    }
    size_t first = 0;
    while (!IsDigit(heading.Characters[first])) {
        ++first;
    }
    return text.substr(heading.Bytes[first], heading.Bytes[end] - heading.Bytes[first]);
}

// The keyword from the heading's character `from` on, starting at the first character from
// there at which its caption starts one; empty when that is found first elsewhere.
std::string CutFrom(const TrialText &text, const TextLine &heading, const std::string &whole,
                    size_t from) {
    const auto skip = static_cast<size_t>(ExcerptSkip);
    for (size_t first = from; first < TrimmedLine(heading).size(); ++first) {
        const size_t start = heading.Bytes[first];
        if (std::binary_search(heading.Bytes.begin(), heading.Bytes.end(), start + skip)) {
            const std::string rest = whole.substr(start - heading.Start);
            return rest.size() > skip && FoundAt(text, 0, rest, start) ? rest : "";
        }
    }
    return {};
}

// Where the heading's label ends (a character's index): past the mark that closes the words it
// opens with (【記事】 in "1)【記事】…", トピックス◆ in "◇1◇トピックス◆…"); 0 when no words follow
// that mark.
size_t LabelEnd(const TextLine &line) {
    const WideText &characters = line.Characters;
    const size_t length = TrimmedLine(line).size();
    size_t at = 0;
    while (at < length && !IsLetter(characters[at])) {
        ++at;
    }
    while (at < length &&
           (IsLetter(characters[at]) || IsDigit(characters[at]) || IsBlank(characters[at]))) {
        ++at;
    }
    size_t words = at + 1;
    while (words < length && !IsLetter(characters[words]) && !IsDigit(characters[words])) {
        ++words;
    }
    return at > 0 && words < length ? at + 1 : 0;
}

void Add(const KeywordForm &form, std::vector<KeywordForm> &forms) {
    const bool known = std::any_of(forms.begin(), forms.end(), [&form](const KeywordForm &each) {
        return each.Keyword == form.Keyword;
    });
    if (!form.Keyword.empty() && !known) {
        forms.push_back(form);
    }
}

// The forms that find the heading at `line` with the caption of `heading` (its bytes from the
// line's start): without its number, from its first letter, whole, after the line above.
std::vector<KeywordForm> FormsFor(const TrialText &text, size_t line, const std::string &heading,
                                  bool whole) {
    const TextLine &at = text.Lines[line - 1];
    const size_t numberEnd = NumberEnd(at);
    const std::string number = NumberOf(text.Bytes, at);
    std::vector<KeywordForm> forms;
    if (numberEnd > 0 && at.Bytes[numberEnd] < at.Start + heading.size()) {
        const size_t from = at.Bytes[numberEnd];
        const std::string rest = heading.substr(from - at.Start);
        if (!CutsCaption(rest) && FoundAt(text, 0, rest, from)) {
            Add({rest, {}, true, whole}, forms);
        }
    }
    Add({LetterCaptionForm(text, at, heading), number, false, whole}, forms);
    std::string form;
    if (WholeCaptionForm(text, 0, at.Start, heading, form)) {
        Add({form, number, false, whole}, forms);
    }
    Add({AboveLineForm(text, line, heading), number, false, whole}, forms);
    return forms;
}

} // namespace

std::vector<KeywordForm> KeywordForms(const TrialText &text, size_t line) {
    const TextLine &heading = text.Lines[line - 1];
    std::vector<KeywordForm> forms = FormsFor(text, line, HeadingBytes(text.Bytes, heading), true);
    // The line whole, closing marks and all, where that alone tells the heading from its copies.
    for (const KeywordForm &form : FormsFor(text, line, LineBytes(text.Bytes, heading), true)) {
        Add(form, forms);
    }
    return forms;
}

std::vector<KeywordForm> LabelForms(const TrialText &text, size_t line) {
    const TextLine &heading = text.Lines[line - 1];
    const size_t end = LabelEnd(heading);
    if (end == 0) {
        return {};
    }
    return FormsFor(text, line,
                    text.Bytes.substr(heading.Start, heading.Bytes[end] - heading.Start), false);
}

std::vector<KeywordForm> CutForms(const TrialText &text, size_t line) {
    const TextLine &heading = text.Lines[line - 1];
    const size_t numberEnd = NumberEnd(heading);
    std::vector<KeywordForm> forms;
    // The heading to its last word, else the line whole where only its closing marks tell the
    // heading from its copies.
    for (const std::string &whole :
         {HeadingBytes(text.Bytes, heading), PaddedBytes(text.Bytes, heading),
          LineBytes(text.Bytes, heading)}) {
        if (numberEnd > 0 && numberEnd < TrimmedLine(heading).size()) {
            Add({CutFrom(text, heading, whole, numberEnd), {}, true, false}, forms);
        }
        Add({CutFrom(text, heading, whole, 0), NumberOf(text.Bytes, heading), false, false}, forms);
    }
    return forms;
}

bool FindsHeading(const TrialText &text, const std::string &keyword, size_t line) {
    if (ReadBackValue(WrittenValue(keyword)) != keyword) {
        return false;
    }
    const TextJudgement judged = JudgeText(text.Bytes, WithKeyword(text.Settings, 0, keyword));
    const KeywordJudgement *found = KeywordOf(judged, 0);
    return found != nullptr && found->Fate != SectionFate::NotFound && found->Line == line;
}
