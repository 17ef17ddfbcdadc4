#pragma once
// The layout of an issue, read from the structure of the whole issue rather than from each line's
// look: the lines that could head a part fall into levels by their form (the mark or number they
// open with) and their place (framed by rules, after a rule, after an empty line); the level that
// heads the issue's sections is the one its table of contents names, else the one set apart the
// most, numbered in turn and not a list. Deeper levels are items; the banner above the first
// section, the table of contents and the footer are none.
#include <cstddef>
#include <string>
#include <vector>

#include "diagnosis/line_shapes.h"

enum class LineRole : unsigned char {
    Body,     // text of a section, of the banner or of the footer
    Empty,    // nothing but blanks
    Frame,    // a rule or a box's edge
    Contents, // the table of contents: its title and entries
    Heading,  // heads a section of the issue
    Item,     // heads a part inside a section, at a deeper level
    Footer,   // the footer's lines that name it (発行, 配信停止, ...)
};

struct IssueLayout {
    std::vector<ShapedLine> Shapes; // by line: index 0 for line 1
    std::vector<LineRole> Roles;
    std::vector<size_t> Headings; // the lines (from 1) that head the sections, in order
};

// A heading is no longer than this, in characters.
constexpr size_t LongestHeading = 60;

// More headings than this are not looked for: no issue has so many sections.
constexpr size_t MostHeadings = 40;

// The layout of the text (in the code page, up to its first NUL) whose lines are given.
IssueLayout ReadLayout(const std::string &text, const std::vector<TextLine> &lines);

// Whether the line (from 1) frames text: a rule, a box's edge, or text between rules on one line.
bool IsFramingLine(const IssueLayout &layout, size_t line);

// The first line of the heading's block: the frames right above it, or the heading itself.
size_t BlockTop(const IssueLayout &layout, size_t heading);
