#pragma once

// The text that marks an issue of the newsletter within the first MarkerWindow bytes of its body.
constexpr const char *IssueMarker = "Weekly Vesk";
constexpr unsigned MarkerWindow = 79;
// The first fetch of every update: the marker's window of the body and a terminator.
constexpr unsigned ProbeSize = MarkerWindow + 1;

// The whole work of a view update: probe the body for the marker and, for an issue, show the
// excerpts of the configured keywords.
void HandleViewUpdate();
