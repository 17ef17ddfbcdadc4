#include "viewer/excerpt.h"

#include <cstdlib>
#include <cstring>

#include "viewer/paged_display.h"
#include "viewer/sections.h"

namespace {

// Shows one section from a copy of its excerpt; false when the user cancelled. Without memory for
// the copy the section is passed over.
bool ShowSection(const KeywordSection &section, const char *keyword, std::int32_t pageLines) {
    const size_t length = ExcerptLength(section);
    auto *excerpt = static_cast<char *>(std::malloc(length + 1));
    if (excerpt == nullptr) {
        return true;
    }
    std::memcpy(excerpt, section.Start, length);
    excerpt[length] = '\0';
    const bool allOk = ShowPaged(excerpt, length, keyword, pageLines);
    std::free(excerpt);
    return allOk;
}

} // namespace

void ShowExcerpts(const char *body, size_t size, const PluginSettings &settings) {
    KeywordSection sections[KeywordCount];
    FindSections(body, size, settings, sections);
    ShowInTurn(sections, [&](int k) {
        return ShowSection(sections[k], settings.Keywords[k], settings.PageLines);
    });
}
