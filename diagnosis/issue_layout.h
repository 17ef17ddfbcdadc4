#pragma once
// The layout of an issue as Japanese newsletters draw it: the lines that head its sections, found
// from their look alone (short, after a rule or an empty line, opening with a mark, a bracket or
// a number, or framed by rules), less the issue's own banner and its table of contents.
#include <cstddef>
#include <string>
#include <vector>

#include "diagnosis/text_lines.h"

// A heading is no longer than this, in characters.
constexpr size_t LongestHeading = 40;

// More headings than this are not looked for: no issue has so many sections.
constexpr size_t MostHeadings = 30;

// The lines (from 1) that head the text's sections, in order.
std::vector<size_t> FindHeadings(const std::string &text, const std::vector<TextLine> &lines);

// The line's characters less the blanks at its end.
WideText TrimmedLine(const TextLine &line);
