#pragma once
// What makes a message an issue of the newsletter: the marker within the first bytes of its body.
#include <cstddef>

constexpr const char *IssueMarker = "Weekly Vesk";
constexpr unsigned MarkerWindow = 79;
// The first fetch of every update: the marker's window of the body and a terminator.
constexpr unsigned ProbeSize = MarkerWindow + 1;

// Where the marker first occurs among the `length` bytes of text at `text`, or null: a plain byte
// search, since the probe may end inside a character.
const char *FindIssueMarker(const char *text, size_t length);

// True when the marker stands within the first MarkerWindow bytes of the text of `length` bytes.
bool IsIssue(const char *text, size_t length);
