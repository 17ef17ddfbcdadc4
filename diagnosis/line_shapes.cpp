#include "diagnosis/line_shapes.h"

#include <algorithm>
#include <map>

#include "diagnosis/characters.h"

namespace {

// A frame has at least so many marks. A rule that carries words holds a run of RuleMarks alike,
// longer than the marks a heading opens with (###, ■■■), or of two marks in turn FrameMarks times.
constexpr size_t FrameMarks = 3;
constexpr size_t RuleMarks = 4;

// The words of one heading match another's copy within it only from so many letters on.
constexpr size_t ShortestContained = 3;

// A label that heads headings of changing words has at least so many letters.
constexpr size_t ShortestLabel = 2;

// A mark is a border where it opens so many of the lines with words or marks, and this many at
// least.
constexpr double BorderShare = 0.6;
constexpr size_t FewestBordered = 5;

// A number larger than this is no heading's number (a year, a count) and is not read further.
constexpr unsigned LargestNumber = 9999;

bool IsMark(WCHAR c) { return !IsLetter(c) && !IsDigit(c) && !IsBlank(c); }

// Circled and parenthesised numbers (①, ⑴) and Roman numerals (Ⅰ): a digit's value, else 0.
unsigned NumberSign(WCHAR c) {
    if (c >= 0x2460 && c <= 0x2473) {
        return static_cast<unsigned>(c - 0x2460 + 1);
    }
    if (c >= 0x2474 && c <= 0x2487) {
        return static_cast<unsigned>(c - 0x2474 + 1);
    }
    if (c >= 0x2160 && c <= 0x216B) {
        return static_cast<unsigned>(c - 0x2160 + 1);
    }
    return 0;
}

unsigned DigitValue(WCHAR c) { return static_cast<unsigned>(c >= 0xFF10 ? c - 0xFF10 : c - '0'); }

// Whether the marks hold a rule's run: one mark repeated, or two in turn.
bool HoldsRun(WideText::const_iterator begin, WideText::const_iterator end) {
    size_t single = 0;
    size_t pair = 0;
    for (auto at = begin; at != end; ++at) {
        const bool mark = IsMark(*at);
        single = mark && at != begin && *at == at[-1] ? single + 1 : 1;
        pair = at - begin >= 2 && mark && IsMark(at[-1]) && *at == at[-2] && *at != at[-1]
                   ? pair + 1
                   : 1;
        if (single >= RuleMarks || pair >= 2 * FrameMarks) {
            return true;
        }
    }
    return false;
}

// Whether the words are set in a rule: a run of marks before their first word or after their
// last (an ellipsis "・・・" between words is none).
bool HoldsRule(const WideText &line) {
    const auto word = [](WCHAR c) { return IsLetter(c) || IsDigit(c); };
    const auto first = std::find_if(line.begin(), line.end(), word);
    const auto last = std::find_if(line.rbegin(), line.rend(), word).base();
    return HoldsRun(line.begin(), first) || HoldsRun(last, line.end());
}

// The marks as a form: digits and number signs as NumberPlace, a run of them once, blanks left
// out.
WideText MarksForm(const WideText &marks) {
    WideText form;
    for (const WCHAR c : marks) {
        if (IsBlank(c)) {
            continue;
        }
        const bool digit = IsDigit(c) || NumberSign(c) != 0;
        if (digit && !form.empty() && form.back() == NumberPlace) {
            continue;
        }
        form += digit ? NumberPlace : c;
    }
    return form;
}

// A heading's number: the first that its opening holds.
bool ReadNumber(const WideText &opening, unsigned &number) {
    number = 0;
    bool found = false;
    for (const WCHAR c : opening) {
        if (NumberSign(c) != 0 && !found) {
            number = NumberSign(c);
            return true;
        }
        if (!IsDigit(c)) {
            if (found) {
                return true;
            }
            continue;
        }
        found = true;
        number = std::min(LargestNumber + 1, number * 10 + DigitValue(c));
    }
    return found;
}

HeadingForm FormOf(const WideText &line) {
    HeadingForm form{};
    size_t first = 0;
    size_t last = line.size();
    TrimBlanks(line, first, last);
    form.Indented = first > 0;
    form.Characters = static_cast<size_t>(std::count_if(line.begin() + static_cast<long>(first),
                                                        line.begin() + static_cast<long>(last),
                                                        [](WCHAR c) { return !IsBlank(c); }));
    // The opening ends at the first word, or at a title's opening quote.
    size_t word = first;
    while (word < last && !IsLetter(line[word]) && line[word] != 0x300C && line[word] != 0x300E) {
        ++word;
    }
    size_t end = last;
    while (end > word && !IsLetter(line[end - 1]) && !IsDigit(line[end - 1])) {
        --end;
    }
    const WideText opening = line.substr(first, word - first);
    form.Opening = MarksForm(opening);
    form.Closing = MarksForm(line.substr(end, last - end));
    // A number that runs into a word ("1番目", "2026年") counts something; it numbers no heading.
    const bool counts = !opening.empty() && IsDigit(opening.back()) && word < last;
    form.Numbered = ReadNumber(opening, form.Number) && form.Number <= LargestNumber && !counts;
    form.Words = WordsOf(line.substr(word, last - word));
    size_t label = word;
    while (label < last &&
           (IsLetter(line[label]) || IsDigit(line[label]) || IsBlank(line[label]))) {
        ++label;
    }
    form.Label = WordsOf(line.substr(word, label - word));
    return form;
}

// The mark that opens a line, after its blanks; 0 for a word, or for no character.
WCHAR OpeningMark(const WideText &line) {
    const auto first = std::find_if(line.begin(), line.end(), [](WCHAR c) { return !IsBlank(c); });
    return first != line.end() && IsMark(*first) ? *first : 0;
}

// A box left open down the issue sets one mark (┃, |) before most of its lines: that mark is a
// border, and each line is read as what stands inside it. 0 when the issue has no border.
WCHAR BorderOf(const std::vector<TextLine> &lines) {
    std::map<WCHAR, size_t> opening;
    size_t worded = 0;
    for (const TextLine &line : lines) {
        if (std::any_of(line.Characters.begin(), line.Characters.end(),
                        [](WCHAR c) { return !IsBlank(c); })) {
            ++worded;
            ++opening[OpeningMark(line.Characters)];
        }
    }
    opening.erase(0);
    const auto most =
        std::max_element(opening.begin(), opening.end(), [](const auto &one, const auto &other) {
            return one.second < other.second;
        });
    const bool border =
        most != opening.end() && most->second >= FewestBordered &&
        static_cast<double>(most->second) >= BorderShare * static_cast<double>(worded);
    return border ? most->first : 0;
}

// The line inside the border: what follows the border's mark, or the line as it stands.
WideText InsideBorder(const WideText &line, WCHAR border) {
    if (border == 0 || OpeningMark(line) != border) {
        return line;
    }
    return line.substr(line.find(border) + 1);
}

} // namespace

std::vector<ShapedLine> ShapeLines(const std::vector<TextLine> &lines) {
    std::vector<ShapedLine> shaped;
    shaped.reserve(lines.size());
    const WCHAR border = BorderOf(lines);
    for (const TextLine &line : lines) {
        const WideText characters = InsideBorder(line.Characters, border);
        const size_t marks = static_cast<size_t>(std::count_if(
            characters.begin(), characters.end(), [](WCHAR c) { return !IsBlank(c); }));
        const bool words = std::any_of(characters.begin(), characters.end(),
                                       [](WCHAR c) { return IsLetter(c) || IsDigit(c); });
        ShapedLine shape{LineShape::Text, {}};
        if (marks == 0) {
            shape.Shape = LineShape::Empty;
        } else if (!words) {
            shape.Shape = marks >= FrameMarks ? LineShape::Frame : LineShape::Text;
        } else {
            shape.Shape = HoldsRule(characters) ? LineShape::RuledText : LineShape::Text;
        }
        if (words) {
            shape.Form = FormOf(characters);
        }
        shaped.push_back(shape);
    }
    return shaped;
}

WideText WordsOf(const WideText &text) {
    std::vector<size_t> from;
    WideText words;
    for (const WCHAR c : LenientForm(text, from)) {
        if (IsLetter(c)) {
            words += c >= 'A' && c <= 'Z' ? static_cast<WCHAR>(c - 'A' + 'a') : c;
        }
    }
    return words;
}

bool SameWords(const WideText &one, const WideText &other) {
    if (one.empty() || other.empty()) {
        return false;
    }
    const WideText &shorter = one.size() <= other.size() ? one : other;
    const WideText &longer = one.size() <= other.size() ? other : one;
    return shorter == longer ||
           (shorter.size() >= ShortestContained && longer.find(shorter) != WideText::npos);
}

bool SameSection(const HeadingForm &one, const HeadingForm &other) {
    const bool labelled =
        one.Label.size() >= ShortestLabel && one.Label != one.Words && other.Label != other.Words;
    return SameWords(one.Words, other.Words) || (labelled && one.Label == other.Label);
}

WideText TrimmedLine(const TextLine &line) {
    WideText trimmed = line.Characters;
    while (!trimmed.empty() && IsBlank(trimmed.back())) {
        trimmed.pop_back();
    }
    return trimmed;
}
