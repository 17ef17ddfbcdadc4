#include "viewer/sections.h"

#include "viewer/pages.h"
#include "viewer/search/find_each.h"
#include "viewer/search/find_text.h"

namespace {

// The separator that ends the section of the keyword found at `start`, in the text of `length`
// bytes at `body`; null when there is none. The keyword's own bytes take part in the search.
const char *SeparatorAfter(const char *body, size_t length, const char *start,
                           const char *separatorText) {
    const size_t rest = length - static_cast<size_t>(start - body);
    const char *end = FindText(start, rest, separatorText);
    // An empty separator would give the keyword's own start, and the excerpt would end before it
    // starts; excerpt sizes are signed 32-bit, which no body of a 32-bit process outgrows.
    return end == nullptr || end == start || end - start > INT32_MAX ? nullptr : end;
}

KeywordSection SectionAt(const char *body, size_t length, const char *start,
                         const PluginSettings &settings) {
    if (start == nullptr) {
        return {KeywordFate::NotFound, nullptr, nullptr};
    }
    const char *end = SeparatorAfter(body, length, start, settings.SeparatorText);
    if (end == nullptr) {
        return {KeywordFate::NoSeparator, start, nullptr};
    }
    KeywordSection section{KeywordFate::ToShow, start, end};
    Pager pager = StartPaging(start, ExcerptLength(section), settings.PageLines);
    Page page;
    if (!NextPage(pager, page)) {
        section.Fate = KeywordFate::TooShort;
    }
    return section;
}

} // namespace

size_t FindSections(const char *body, size_t size, const PluginSettings &settings,
                    KeywordSection (&sections)[KeywordCount]) {
    const char *patterns[KeywordCount] = {};
    const char *starts[KeywordCount] = {};
    int numbers[KeywordCount] = {};
    size_t count = 0;
    for (int k = 0; k < KeywordCount; ++k) {
        sections[k] = {KeywordFate::NotSet, nullptr, nullptr};
        if (settings.Keywords[k][0] != '\0') {
            numbers[count] = k;
            patterns[count++] = settings.Keywords[k];
        }
    }
    // The same reading finds where the text ends.
    const size_t length = FindEachText(body, size, patterns, count, starts);
    for (size_t i = 0; i < count; ++i) {
        sections[numbers[i]] = SectionAt(body, length, starts[i], settings);
    }
    return length;
}
