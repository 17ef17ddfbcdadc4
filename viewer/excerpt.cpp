#include "viewer/excerpt.h"

#include <cstdlib>
#include <cstring>

#include "settings/settings.h"
#include "viewer/find_text.h"
#include "viewer/paged_display.h"

std::int32_t CutExcerpt(const char *body, const char *keyword, char *out) {
    const char *start = FindText(body, keyword);
    if (start == nullptr) {
        return 0;
    }
    // The keyword's own bytes take part in the search for the separator.
    const char *end = FindText(start, Settings.SeparatorText.c_str());
    if (end == nullptr) {
        return 0;
    }
    const auto distance = end - start;
    if (distance < 1 || distance > INT32_MAX) {
        return 0;
    }
    if (out != nullptr) {
        const size_t kept = static_cast<size_t>(distance - 1);
        std::memcpy(out, start, kept);
        out[kept] = '\0';
    }
    return static_cast<std::int32_t>(distance);
}

void ShowExcerpts(const char *body) {
    for (const std::string &keyword : Settings.KeywordList) {
        const std::int32_t size = CutExcerpt(body, keyword.c_str(), nullptr);
        if (size <= 0) {
            continue;
        }
        auto *excerpt = static_cast<char *>(std::malloc(static_cast<size_t>(size)));
        if (excerpt == nullptr) {
            continue;
        }
        CutExcerpt(body, keyword.c_str(), excerpt);
        const bool allOk = ShowPaged(excerpt, keyword.c_str(), Settings.PageLines);
        std::free(excerpt);
        if (!allOk) {
            return;
        }
    }
}
