#include "diagnosis/issue_layout.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "diagnosis/characters.h"
#include "viewer/issue.h"

namespace {

// How far a line that could head a part is set apart from what stands above it, weakest first.
enum class Place : unsigned char {
    InBody,       // under text, or under the frame that closes a heading: body
    AfterEmpty,   // under an empty line, or at the top
    AfterEmpties, // under two empty lines or more
    AfterFrame,   // under a frame, empty lines between or not
    Ruled,        // words set in a rule, which carry their frame on their own line
    Framed,       // between two frames (a subtitle or a byline before the lower one at most)
};

// What each place weighs when levels are compared.
double Weight(Place place) {
    switch (place) {
    case Place::InBody:
        return 0;
    case Place::AfterEmpty:
        return 1;
    case Place::AfterEmpties:
        return 1.5;
    case Place::AfterFrame:
        return 2;
    case Place::Ruled:
    case Place::Framed:
        break;
    }
    return 3;
}

struct Candidate {
    size_t Line; // from 1
    Place Where;
    WCHAR Mark;   // the first mark of its opening, in its lenient form; 0 when it opens with a word
    bool Doubled; // its opening repeats that mark (■■): a level above the mark's single lines
    WCHAR Above;  // the first mark of the frame above it (0 for none), and of the one below when
    WCHAR Below;  // it is framed
    bool Named;   // a table of contents names it
};

// Whether a place sets a line well apart: by a frame, or by more than one empty line.
bool IsApart(Place place) { return place >= Place::AfterEmpties; }

// A level: the candidates that open with the same mark and are set apart alike, or those that
// stand right under frames of one kind (whatever marks they open with).
struct Level {
    bool ByFrame;
    WCHAR Mark; // the mark they open with, or that the frames above them open with
    bool Doubled;
    bool Apart;
    std::vector<size_t> Members; // indices into the candidates, in order
    size_t Named;
    double Score;
};

// A table of contents stands within the issue's first lines; so many lines that could head a
// part are compared with its entries at most.
constexpr size_t LatestEntry = 400;
constexpr size_t MostCompared = 2000;
// An entry of a table of contents stands within so many lines of the one before.
constexpr size_t EntryGap = 4;
// A level heads sections too where it scores within so much of the best.
constexpr double NearScore = 1;
// The entries that a table of contents has at least.
constexpr size_t FewestEntries = 2;
// A table of contents' title holds at most so many letters besides (今号の, 本日の).
constexpr size_t ContentsTitleAround = 3;
// The lines of the title block under the issue marker's line, at most.
constexpr size_t TitleLines = 10;
// A subtitle or byline between a heading and its lower frame is no longer than this.
constexpr size_t LongestSubtitle = 40;

const char *const ContentsTitles[] = {"目次",     "もくじ",         "index",        "menu",
                                      "contents", "内容",           "ヘッドライン", "おしながき",
                                      "headline", "トピックス一覧", "コンテンツ"};

const char *const FooterWords[] = {"発行", "配信",      "登録", "解除",
                                   "停止", "copyright", "転載", "奥付"};

bool HoldsAny(const WideText &words, const char *const *list, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (words.find(WideOf(CP_UTF8, list[i])) != WideText::npos) {
            return true;
        }
    }
    return false;
}

bool NamesContents(const WideText &words) {
    return HoldsAny(words, ContentsTitles, sizeof ContentsTitles / sizeof *ContentsTitles);
}

// Whether the words are a table of contents' title and nothing more (目次, 今号の内容): such a
// line heads no section, whether or not its entries are found.
bool IsContentsTitle(const WideText &words) {
    for (const char *title : ContentsTitles) {
        const WideText wide = WideOf(CP_UTF8, title);
        const size_t at = words.find(wide);
        if (at != WideText::npos && words.size() <= wide.size() + ContentsTitleAround) {
            return true;
        }
    }
    return false;
}

bool NamesFooter(const WideText &words) {
    return HoldsAny(words, FooterWords, sizeof FooterWords / sizeof *FooterWords);
}

// The columns of blanks a line opens with: a full-width blank takes two.
size_t Indentation(const WideText &line) {
    size_t columns = 0;
    for (size_t i = 0; i < line.size() && IsBlank(line[i]); ++i) {
        columns += line[i] == 0x3000 ? 2 : 1;
    }
    return columns;
}

bool IsFraming(LineShape shape) {
    return shape == LineShape::Frame || shape == LineShape::RuledText;
}

bool HasWords(const ShapedLine &line) {
    return (line.Shape == LineShape::Text || line.Shape == LineShape::RuledText) &&
           !line.Form.Words.empty();
}

// The first of the marks, in half width where it has one: the same mark whichever width it is
// typed in, while ★ and ☆, ■ and □ stay apart, as newsletters set headings and items apart by them.
WCHAR FirstMark(const WideText &marks) {
    if (marks.empty()) {
        return 0;
    }
    const WCHAR first = marks[0];
    return first >= 0xFF01 && first <= 0xFF5E ? static_cast<WCHAR>(first - 0xFF01 + 0x21) : first;
}

class LayoutReader {
  public:
    LayoutReader(const std::string &text, const std::vector<TextLine> &lines)
        : Text(text), Lines(lines), Shapes(ShapeLines(lines)), Roles(lines.size(), LineRole::Body) {
    }

    IssueLayout Read();

  private:
    const ShapedLine &Shape(size_t line) const { return Shapes[line - 1]; }
    size_t NonEmptyAbove(size_t line) const;
    size_t NonEmptyBelow(size_t line) const;
    bool Headable(size_t line) const;
    size_t TitleEnd() const;
    bool ClosesHeading(size_t frame) const;
    bool Subtitle(size_t line, size_t heading) const;
    size_t LowerFrame(size_t line) const;
    Place PlaceOf(size_t line) const;
    void FindContents();
    void FindCandidates();
    std::vector<Level> Levels() const;
    double ScoreOf(const Level &level) const;
    const Level *Best(const std::vector<Level> &levels) const;
    std::vector<size_t> Members(const Level &level) const;
    bool ListedAlike(const Level &level, const Level &best) const;
    std::vector<size_t> Headings(const std::vector<Level> &levels, const Level &best) const;
    void SetRoles(const std::vector<size_t> &headings);

    const std::string &Text;
    const std::vector<TextLine> &Lines;
    std::vector<ShapedLine> Shapes;
    std::vector<LineRole> Roles;
    size_t BannerEnd = 0;        // the last line of the issue's title block
    std::vector<bool> Headables; // by line: whether it could head a part by its look
    std::vector<Candidate> Candidates;
    // The lines that an entry of the table of contents names, with the first mark of the entry.
    std::map<size_t, WCHAR> Named;
};

size_t LayoutReader::NonEmptyAbove(size_t line) const {
    size_t above = line - 1;
    while (above > 0 && Shape(above).Shape == LineShape::Empty) {
        --above;
    }
    return above;
}

size_t LayoutReader::NonEmptyBelow(size_t line) const {
    size_t below = line + 1;
    while (below <= Lines.size() && Shape(below).Shape == LineShape::Empty) {
        ++below;
    }
    return below <= Lines.size() ? below : 0;
}

// Whether the line could head a part by its own look: short words, no sentence, no address, not
// the issue's title.
bool LayoutReader::Headable(size_t line) const {
    const ShapedLine &shape = Shape(line);
    if (!HasWords(shape) || shape.Form.Characters > LongestHeading || line <= BannerEnd) {
        return false;
    }
    const WideText trimmed = TrimmedLine(Lines[line - 1]);
    const bool address = trimmed.find(WideOf(CP_UTF8, "://")) != WideText::npos ||
                         trimmed.find('@') != WideText::npos ||
                         trimmed.find(WideOf(CP_UTF8, "www.")) != WideText::npos;
    // A sentence, or a clause that runs on into the next line, heads nothing.
    const bool sentence = trimmed.back() == 0x3002 || trimmed.back() == 0x3001;
    return !sentence && !address;
}

// The last line of the issue's title block: the issue marker's line, and the lines framed with
// it by a frame above it (or by the rule it stands in) and the next frame of that mark; else the
// lines under it up to an empty line, a few at most.
size_t LayoutReader::TitleEnd() const {
    const size_t marker = Text.find(IssueMarker);
    if (marker == std::string::npos) {
        return 0;
    }
    const size_t line = LineAt(Lines, marker);
    size_t top = line;
    if (Shape(line).Shape != LineShape::RuledText) {
        top = line > 1 && IsFraming(Shape(line - 1).Shape) ? line - 1 : 0;
    }
    if (top != 0) {
        const WCHAR mark = FirstMark(TrimmedLine(Lines[top - 1]));
        for (size_t below = line + 1; below <= Lines.size() && below <= line + TitleLines;
             ++below) {
            if (IsFraming(Shape(below).Shape) && FirstMark(TrimmedLine(Lines[below - 1])) == mark) {
                return below;
            }
        }
    }
    size_t end = line;
    while (end < Lines.size() && end < line + TitleLines &&
           Shape(end + 1).Shape != LineShape::Empty) {
        ++end;
    }
    return end <= line + TitleLines / 2 ? end : line;
}

// Whether the line can be the subtitle or byline of the heading above it inside its frame: short,
// and set off as one (indented, or opening with a mark), unlike a section's one line of text,
// and not opening as the heading does, as the next entry of a list would.
bool LayoutReader::Subtitle(size_t line, size_t heading) const {
    const ShapedLine &shape = Shape(line);
    const WideText &opening = shape.Form.Opening;
    const bool marked =
        std::any_of(opening.begin(), opening.end(), [](WCHAR c) { return c != NumberPlace; });
    const bool listed = !opening.empty() && opening == Shape(heading).Form.Opening;
    return shape.Shape == LineShape::Text && Headables[line - 1] &&
           shape.Form.Characters <= LongestSubtitle && (shape.Form.Indented || marked) && !listed;
}

// The frame under the line that closes it as a heading (after a subtitle at most); 0 for none.
size_t LayoutReader::LowerFrame(size_t line) const {
    size_t below = NonEmptyBelow(line);
    if (below != 0 && Subtitle(below, line)) {
        below = NonEmptyBelow(below);
    }
    return below != 0 && IsFraming(Shape(below).Shape) ? below : 0;
}

// Whether the frame closes a heading framed above it: what follows it is the heading's body.
bool LayoutReader::ClosesHeading(size_t frame) const {
    const size_t text = NonEmptyAbove(frame);
    if (text == 0 || Shape(text).Shape != LineShape::Text || !Headables[text - 1]) {
        return false;
    }
    size_t top = NonEmptyAbove(text);
    if (top != 0 && Shape(top).Shape == LineShape::Text && Subtitle(text, top)) {
        top = NonEmptyAbove(top);
    }
    return top != 0 && IsFraming(Shape(top).Shape) && LowerFrame(NonEmptyBelow(top)) == frame;
}

Place LayoutReader::PlaceOf(size_t line) const {
    const size_t above = NonEmptyAbove(line);
    if (above != 0 && IsFraming(Shape(above).Shape)) {
        if (ClosesHeading(above)) {
            return Place::InBody;
        }
        return LowerFrame(line) != 0 ? Place::Framed : Place::AfterFrame;
    }
    if (Shape(line).Shape == LineShape::RuledText) {
        return Place::Ruled;
    }
    if (above == 0) {
        return Place::AfterEmpty;
    }
    // The issue's title block sets the line right under it apart, as the first section's heading.
    if (above <= BannerEnd && above + 1 == line) {
        return Place::AfterEmpties;
    }
    const size_t empties = line - above - 1;
    return empties >= 2 ? Place::AfterEmpties : empties == 1 ? Place::AfterEmpty : Place::InBody;
}

// The table of contents: the longest run of lines, each close to the one before, whose words
// name lines further on that could head a part; its title above it.
void LayoutReader::FindContents() {
    // What an entry names is set apart as a heading is, and is named by one entry only.
    std::vector<size_t> headable;
    for (size_t line = 1; line <= Lines.size() && headable.size() < MostCompared; ++line) {
        if (Headables[line - 1] && PlaceOf(line) != Place::InBody) {
            headable.push_back(line);
        }
    }
    std::vector<size_t> entries;
    std::vector<size_t> named;
    // The issue marker's line names no heading, though a heading may quote the newsletter's name.
    const size_t marker = Text.find(IssueMarker);
    const size_t title = marker != std::string::npos ? LineAt(Lines, marker) : 0;
    for (size_t line = 1; line <= Lines.size() && line <= LatestEntry; ++line) {
        if (!HasWords(Shape(line)) || line == title) {
            continue;
        }
        for (const size_t later : headable) {
            const bool taken = std::find(named.begin(), named.end(), later) != named.end();
            if (later >= line + 2 && !taken &&
                SameWords(Shape(line).Form.Words, Shape(later).Form.Words)) {
                entries.push_back(line);
                named.push_back(later);
                break;
            }
        }
    }
    size_t bestFirst = 0;
    size_t bestCount = 0;
    for (size_t first = 0; first < entries.size();) {
        size_t last = first;
        size_t earliestNamed = named[first];
        while (last + 1 < entries.size() && entries[last + 1] <= entries[last] + EntryGap &&
               std::min(earliestNamed, named[last + 1]) > entries[last + 1]) {
            ++last;
            earliestNamed = std::min(earliestNamed, named[last]);
        }
        if (last - first + 1 > bestCount) {
            bestFirst = first;
            bestCount = last - first + 1;
        }
        first = last + 1;
    }
    if (bestCount < FewestEntries) {
        return;
    }
    size_t top = entries[bestFirst];
    for (size_t above = top - 1; above > 0 && above + EntryGap >= top; --above) {
        if (HasWords(Shape(above)) && NamesContents(Shape(above).Form.Words)) {
            top = above;
            break;
        }
    }
    for (size_t line = top; line <= entries[bestFirst + bestCount - 1]; ++line) {
        if (HasWords(Shape(line))) {
            Roles[line - 1] = LineRole::Contents;
        }
    }
    // Where most entries are set as the first one is, those set otherwise (deeper, or opening
    // with another mark), a few under one of them, name items inside a section.
    const auto kindOf = [this](size_t entry) {
        return std::make_pair(Indentation(Lines[entry - 1].Characters),
                              FirstMark(Shape(entry).Form.Opening));
    };
    const auto first = kindOf(entries[bestFirst]);
    size_t alike = 0;
    for (size_t i = bestFirst; i < bestFirst + bestCount; ++i) {
        alike += kindOf(entries[i]) == first ? 1 : 0;
    }
    for (size_t i = bestFirst; i < bestFirst + bestCount; ++i) {
        if (2 * alike <= bestCount || kindOf(entries[i]) == first) {
            Named[named[i]] = FirstMark(Shape(entries[i]).Form.Opening);
        }
    }
}

void LayoutReader::FindCandidates() {
    for (size_t line = 1; line <= Lines.size(); ++line) {
        if (!Headables[line - 1] || Roles[line - 1] == LineRole::Contents) {
            continue;
        }
        const HeadingForm &form = Shape(line).Form;
        const bool named = Named.count(line) != 0;
        const Place where = PlaceOf(line);
        // A line that opens with a word heads a part only where it is set well apart; a line that
        // names the footer heads none.
        if ((form.Opening.empty() && where < Place::AfterEmpties && !named) ||
            NamesFooter(form.Words) || IsContentsTitle(form.Words)) {
            continue;
        }
        const bool doubled = form.Opening.size() >= 2 && form.Opening[0] == form.Opening[1];
        Candidate candidate{line, where, FirstMark(form.Opening), doubled, 0, 0, named};
        if (where == Place::AfterFrame || where == Place::Framed) {
            candidate.Above = FirstMark(TrimmedLine(Lines[NonEmptyAbove(line) - 1]));
        }
        if (where == Place::Framed) {
            candidate.Below = FirstMark(TrimmedLine(Lines[LowerFrame(line) - 1]));
        }
        Candidates.push_back(candidate);
    }
}

std::vector<Level> LayoutReader::Levels() const {
    std::map<std::tuple<bool, WCHAR, bool, bool>, Level> levels;
    const auto add = [&levels, this](bool byFrame, WCHAR mark, size_t i) {
        const Candidate &candidate = Candidates[i];
        const bool doubled = !byFrame && candidate.Doubled;
        Level &level = levels[{byFrame, mark, doubled, IsApart(candidate.Where)}];
        level.ByFrame = byFrame;
        level.Mark = mark;
        level.Doubled = doubled;
        level.Apart = IsApart(candidate.Where);
        level.Members.push_back(i);
        level.Named += candidate.Named ? 1 : 0;
    };
    for (size_t i = 0; i < Candidates.size(); ++i) {
        add(false, Candidates[i].Mark, i);
        if (Candidates[i].Above != 0) {
            add(true, Candidates[i].Above, i);
        }
    }
    std::vector<Level> found;
    for (auto &each : levels) {
        each.second.Score = ScoreOf(each.second);
        found.push_back(each.second);
    }
    return found;
}

// A level scores by how far apart its lines are set, the share of them that a table of contents
// names, their numbers counting up; a list (lines one under the other) and a lone line score
// less.
double LayoutReader::ScoreOf(const Level &level) const {
    const double count = static_cast<double>(level.Members.size());
    double numbered = 0;
    double steps = 0;
    double listed = 0;
    double apart = 0;
    for (size_t i = 0; i < level.Members.size(); ++i) {
        const Candidate &candidate = Candidates[level.Members[i]];
        apart += Weight(candidate.Where);
        const HeadingForm &form = Shape(candidate.Line).Form;
        numbered += form.Numbered ? 1 : 0;
        if (i + 1 < level.Members.size()) {
            const size_t next = Candidates[level.Members[i + 1]].Line;
            const HeadingForm &after = Shape(next).Form;
            steps += form.Numbered && after.Numbered && after.Number == form.Number + 1 ? 1 : 0;
            size_t words = candidate.Line + 1;
            while (words < next && !HasWords(Shape(words))) {
                ++words;
            }
            listed += words == next ? 1 : 0;
        }
    }
    double score = apart / count;
    score += 2 * static_cast<double>(level.Named) / count;
    score += count > 1 && numbered > 1 ? 1.5 * steps / (count - 1) : 0;
    score -= count > 1 ? 2 * listed / (count - 1) : 1;
    return score;
}

// The level that heads the sections: among those a table of contents names, where it names two
// lines or more of one, else among those of more than one line, else among all; of two that
// score alike, the larger, else the one whose lines open with a mark.
const Level *LayoutReader::Best(const std::vector<Level> &levels) const {
    const bool contents = std::any_of(levels.begin(), levels.end(),
                                      [](const Level &level) { return level.Named >= 2; });
    const bool several = std::any_of(levels.begin(), levels.end(),
                                     [](const Level &level) { return level.Members.size() >= 2; });
    const Level *best = nullptr;
    for (const Level &level : levels) {
        const bool eligible = contents ? level.Named >= 2 : !several || level.Members.size() >= 2;
        const bool alike = best != nullptr && level.Score == best->Score;
        const bool larger = alike && level.Members.size() > best->Members.size();
        // Of two alike, lines that open with a mark rather than a word (■題 over 参考ページ).
        const bool marked = alike && level.Members.size() == best->Members.size() &&
                            best->Mark == 0 && level.Mark != 0;
        const bool better = best == nullptr || level.Score > best->Score || larger || marked;
        if (eligible && better) {
            best = &level;
        }
    }
    return best;
}

// The level's lines, and those that stand as they do: of its mark and set as far apart, framed
// by the frames of its own, or named by the table of contents.
std::vector<size_t> LayoutReader::Members(const Level &level) const {
    std::map<std::pair<WCHAR, WCHAR>, size_t> frames;
    for (const size_t member : level.Members) {
        const Candidate &candidate = Candidates[member];
        frames[{candidate.Above, candidate.Below}] += candidate.Where == Place::Framed ? 1 : 0;
    }
    const auto own =
        std::max_element(frames.begin(), frames.end(), [](const auto &one, const auto &other) {
            return one.second < other.second;
        });
    std::vector<size_t> headings;
    for (const Candidate &candidate : Candidates) {
        const bool alike = level.ByFrame
                               ? candidate.Above == level.Mark
                               : candidate.Mark == level.Mark && candidate.Doubled == level.Doubled;
        // A line set farther apart than its level's (the first section's, under the banner's
        // frame) belongs to it still.
        const bool placed = IsApart(candidate.Where) || !level.Apart;
        const bool frame = own != frames.end() && own->second > 0 &&
                           candidate.Where == Place::Framed &&
                           std::make_pair(candidate.Above, candidate.Below) == own->first;
        const bool named = candidate.Named && (IsApart(candidate.Where) || !level.Apart);
        if (((alike && placed) || frame || named) && headings.size() < MostHeadings) {
            headings.push_back(candidate.Line);
        }
    }
    return headings;
}

// Whether the level is a second style of heading beside the best level's: most of its lines (two
// or more, opening with a mark of their own) named by entries of the table of contents that open as
// the entries naming the best level's lines do.
bool LayoutReader::ListedAlike(const Level &level, const Level &best) const {
    if (level.ByFrame || level.Mark == 0 || level.Named < 2 ||
        2 * level.Named <= level.Members.size() || best.Named == 0) {
        return false;
    }
    const auto entryMark = [this](size_t member) {
        const auto entry = Named.find(Candidates[member].Line);
        return entry == Named.end() ? WCHAR{0} : entry->second;
    };
    const auto named = std::find_if(best.Members.begin(), best.Members.end(),
                                    [this](size_t member) { return Candidates[member].Named; });
    const WCHAR mark = entryMark(*named);
    if (level.Mark == Candidates[*named].Mark) {
        return false; // the same style, set apart otherwise: items under the headings
    }
    return std::all_of(level.Members.begin(), level.Members.end(), [&](size_t member) {
        return !Candidates[member].Named || entryMark(member) == mark;
    });
}

// The headings of the best level, with those of the levels that head sections before or after
// it alike: set well apart, of more than one line, scoring near it, and none among its own.
std::vector<size_t> LayoutReader::Headings(const std::vector<Level> &levels,
                                           const Level &best) const {
    std::vector<size_t> headings = Members(best);
    if (headings.empty()) {
        return headings;
    }
    for (const Level &level : levels) {
        // A second style of heading, which the table of contents lists as it lists the first.
        const bool listed = ListedAlike(level, best);
        if (&level == &best ||
            ((!level.Apart || level.Members.size() < 2 || level.Score + NearScore < best.Score) &&
             !listed)) {
            continue;
        }
        const std::vector<size_t> more = Members(level);
        const bool before = !more.empty() && more.back() < headings.front();
        const bool after = !more.empty() && more.front() > headings.back();
        if (before || after || listed) {
            headings.insert(headings.end(), more.begin(), more.end());
            std::sort(headings.begin(), headings.end());
            headings.erase(std::unique(headings.begin(), headings.end()), headings.end());
        }
    }
    if (headings.size() > MostHeadings) {
        headings.resize(MostHeadings);
    }
    return headings;
}

void LayoutReader::SetRoles(const std::vector<size_t> &headings) {
    for (size_t line = 1; line <= Lines.size(); ++line) {
        const LineShape shape = Shape(line).Shape;
        if (shape == LineShape::Empty) {
            Roles[line - 1] = LineRole::Empty;
        } else if (shape == LineShape::Frame) {
            Roles[line - 1] = LineRole::Frame;
        }
    }
    const size_t first = headings.empty() ? Lines.size() + 1 : headings.front();
    for (const Candidate &candidate : Candidates) {
        if (candidate.Line > first) {
            Roles[candidate.Line - 1] = LineRole::Item;
        }
    }
    for (const size_t line : headings) {
        Roles[line - 1] = LineRole::Heading;
    }
    // The footer stands under the first frame after the last heading's own frames: its lines that
    // name it (発行, 配信停止, ...); the last section's text may name them too.
    size_t last = headings.empty() ? Lines.size() + 1 : headings.back() + 1;
    while (last <= Lines.size() &&
           (IsFraming(Shape(last).Shape) || Shape(last).Shape == LineShape::Empty)) {
        ++last;
    }
    size_t frame = 0;
    for (size_t line = last; line <= Lines.size() && frame == 0; ++line) {
        frame = IsFraming(Shape(line).Shape) ? line : 0;
    }
    for (size_t line = frame + 1; frame != 0 && line <= Lines.size(); ++line) {
        if (HasWords(Shape(line)) && NamesFooter(Shape(line).Form.Words)) {
            Roles[line - 1] = LineRole::Footer;
        }
    }
}

IssueLayout LayoutReader::Read() {
    BannerEnd = TitleEnd();
    for (size_t line = 1; line <= Lines.size(); ++line) {
        Headables.push_back(Headable(line));
    }
    FindContents();
    FindCandidates();
    const std::vector<Level> levels = Levels();
    const Level *best = Best(levels);
    const std::vector<size_t> headings =
        best != nullptr ? Headings(levels, *best) : std::vector<size_t>();
    SetRoles(headings);
    return {std::move(Shapes), std::move(Roles), headings};
}

} // namespace

IssueLayout ReadLayout(const std::string &text, const std::vector<TextLine> &lines) {
    return LayoutReader(text, lines).Read();
}

bool IsFramingLine(const IssueLayout &layout, size_t line) {
    return IsFraming(layout.Shapes[line - 1].Shape);
}

size_t BlockTop(const IssueLayout &layout, size_t heading) {
    size_t top = heading;
    while (top > 1 && IsFramingLine(layout, top - 1)) {
        --top;
    }
    return top;
}
