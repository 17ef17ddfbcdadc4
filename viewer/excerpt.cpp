#include "viewer/excerpt.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "settings/settings.h"
#include "viewer/find_each.h"
#include "viewer/find_text.h"
#include "viewer/paged_display.h"

namespace {

// Where the keyword's section starts and its distance to the separator; distance 0 when missing.
struct Section {
    const char *Start;
    std::int32_t Distance;
};

// The section that starts at the keyword's first occurrence, `start` (null when missing).
Section SectionFrom(const char *body, size_t length, const char *start) {
    if (start == nullptr) {
        return {nullptr, 0};
    }
    // The keyword's own bytes take part in the search for the separator.
    const size_t rest = length - static_cast<size_t>(start - body);
    const char *end = FindText(start, rest, Settings.SeparatorText.c_str());
    if (end == nullptr) {
        return {nullptr, 0};
    }
    // An empty separator would give 0, and the excerpt would end before it starts.
    const auto distance = end - start;
    if (distance < 1 || distance > INT32_MAX) {
        return {nullptr, 0};
    }
    return {start, static_cast<std::int32_t>(distance)};
}

// The section less its last byte, and a NUL: `out` holds `section.Distance` bytes.
void CopySection(const Section &section, char *out) {
    const auto kept = static_cast<size_t>(section.Distance - 1);
    std::memcpy(out, section.Start, kept);
    out[kept] = '\0';
}

// Shows one section; false when the user cancelled.
bool ShowSection(const Section &section, const char *keyword) {
    auto *excerpt = static_cast<char *>(std::malloc(static_cast<size_t>(section.Distance)));
    if (excerpt == nullptr) {
        return true;
    }
    CopySection(section, excerpt);
    const bool allOk =
        ShowPaged(excerpt, static_cast<size_t>(section.Distance - 1), keyword, Settings.PageLines);
    std::free(excerpt);
    return allOk;
}

} // namespace

std::int32_t CutExcerpt(const char *body, size_t length, const char *keyword, char *out) {
    const Section section = SectionFrom(body, length, FindText(body, length, keyword));
    if (section.Distance > 0 && out != nullptr) {
        CopySection(section, out);
    }
    return section.Distance;
}

// Every keyword the settings can hold is found in one reading of the body.
static_assert(KeywordCount <= MaxPatterns, "one search for all the keywords");

void ShowExcerpts(const char *body, size_t size) {
    const std::vector<std::string> &keywords = Settings.KeywordList;
    const size_t count = std::min(keywords.size(), MaxPatterns);
    const char *patterns[MaxPatterns] = {};
    const char *starts[MaxPatterns] = {};
    for (size_t i = 0; i < count; ++i) {
        patterns[i] = keywords[i].c_str();
    }
    // The same reading finds where the text ends.
    const size_t length = FindEachText(body, size, patterns, count, starts);
    for (size_t i = 0; i < count; ++i) {
        const Section section = SectionFrom(body, length, starts[i]);
        if (section.Distance > 0 && !ShowSection(section, patterns[i])) {
            return;
        }
    }
}
