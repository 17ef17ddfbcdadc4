#pragma once
// Each line of an issue as a reader of Japanese newsletters sees its shape: empty, a frame (a rule
// or a box's edge: marks only), a rule that carries words (━━ 目次 ━━, ■目次■-----), or text;
// and, for a line that could head a section, the form of its heading: the marks and the number it
// opens with, the marks it closes with, and its words, by which one issue's headings are told
// from its items and matched with a table of contents and with other issues.
#include <cstddef>
#include <string>
#include <vector>

#include "diagnosis/text_lines.h"

enum class LineShape : unsigned char {
    Empty,     // nothing but blanks
    Frame,     // three or more marks and nothing else: a rule, a box's top or bottom
    RuledText, // words set in a rule
    Text,
};

// What a number stands as in a heading's form: no character a text holds.
constexpr WCHAR NumberPlace = 0x0001;

// The form of a line that could head a section.
struct HeadingForm {
    WideText Opening; // the marks before its first word, a number as one place, no blank
    WideText Closing; // the marks after its last word, likewise
    bool Indented;    // it opens with blanks
    bool Numbered;    // its opening holds a number
    unsigned Number;  // and its value
    WideText Words;   // its letters, in their lenient forms and lower case, no digit
    // The words of its label: those before the first mark that follows them (【記事】 in
    // "1)【記事】…", トピックス in "◇1◇トピックス◆…"); its words when no mark follows them.
    WideText Label;
    size_t Characters; // its characters but blanks
};

struct ShapedLine {
    LineShape Shape;
    HeadingForm Form; // for RuledText and Text
};

// The shapes of the text's lines, in order.
std::vector<ShapedLine> ShapeLines(const std::vector<TextLine> &lines);

// The letters of a text in their lenient forms and lower case, no digit: what a heading and its
// entry in a table of contents, or its copy in another issue, share whatever their marks,
// numbers, widths and blanks.
WideText WordsOf(const WideText &text);

// Whether two lines' words name the same heading: the same words, or the one's words within the
// other's (an entry that adds to the heading, or gives only its tail).
bool SameWords(const WideText &one, const WideText &other);

// Whether two headings (of two issues) head the same section: the same words, or the same label
// in front of words that change.
bool SameSection(const HeadingForm &one, const HeadingForm &other);

// The line's characters less the blanks at its end.
WideText TrimmedLine(const TextLine &line);
