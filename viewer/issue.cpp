#include "viewer/issue.h"

#include "viewer/search/find_text.h"

const char *FindIssueMarker(const char *text, size_t length) {
    return FindPlainText(text, length, IssueMarker);
}

bool IsIssue(const char *text, size_t length) {
    return FindIssueMarker(text, length < MarkerWindow ? length : MarkerWindow) != nullptr;
}
