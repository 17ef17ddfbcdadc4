#include "viewer/excerpt.h"

#include <cstdlib>
#include <cstring>

#include "settings/settings.h"
#include "viewer/find_text.h"
#include "viewer/paged_display.h"

namespace {

// Where the keyword's section starts and its distance to the separator; distance 0 when missing.
struct Section {
    const char *Start;
    std::int32_t Distance;
};

Section FindSection(const char *body, size_t length, const char *keyword) {
    const char *start = FindText(body, length, keyword);
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

} // namespace

std::int32_t CutExcerpt(const char *body, size_t length, const char *keyword, char *out) {
    const Section section = FindSection(body, length, keyword);
    if (section.Distance > 0 && out != nullptr) {
        CopySection(section, out);
    }
    return section.Distance;
}

void ShowExcerpts(const char *body, size_t length) {
    for (const std::string &keyword : Settings.KeywordList) {
        // Found once and copied from there: the body is searched once for each keyword.
        const Section section = FindSection(body, length, keyword.c_str());
        if (section.Distance <= 0) {
            continue;
        }
        auto *excerpt = static_cast<char *>(std::malloc(static_cast<size_t>(section.Distance)));
        if (excerpt == nullptr) {
            continue;
        }
        CopySection(section, excerpt);
        const bool allOk = ShowPaged(excerpt, static_cast<size_t>(section.Distance - 1),
                                     keyword.c_str(), Settings.PageLines);
        std::free(excerpt);
        if (!allOk) {
            return;
        }
    }
}
