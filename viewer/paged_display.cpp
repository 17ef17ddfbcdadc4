#include "viewer/paged_display.h"

#include <cstdlib>
#include <cstring>

#include "platform/windows_api.h"

namespace {

// The text less its first ExcerptSkip bytes, or its empty end when it is shorter.
const char *Skipped(const char *text) {
    for (int i = 0; i < ExcerptSkip && *text != '\0'; ++i) {
        ++text;
    }
    return text;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// True unless the user pressed Cancel; a box that could not be shown counts as OK.
bool Ask(const char *text, const char *caption) {
    return MessageBoxA(nullptr, text, caption, MB_OKCANCEL) != IDCANCEL;
}

// Shows the bytes from `page` up to `cut` in a box of its own. A page that cannot be allocated
// is passed over, as if answered with OK.
bool ShowPage(const char *page, const char *cut, size_t bufferSize, const char *caption) {
    auto *buffer = static_cast<char *>(std::malloc(bufferSize));
    if (buffer == nullptr) {
        return true;
    }
    const auto length = static_cast<size_t>(cut - page);
    std::memcpy(buffer, page, length);
    buffer[length] = '\0';
    const bool ok = Ask(buffer, caption);
    std::free(buffer);
    return ok;
}

} // namespace

bool ShowPaged(const char *excerpt, const char *keyword, std::int32_t maxLines) {
    const char *caption = Skipped(keyword);
    const char *page = Skipped(excerpt);
    if (*page == '\0') {
        return true;
    }
    const char *cut = nullptr;     // start of the page's last empty line
    const char *lastInk = nullptr; // last byte that is not blank, to judge the remainder
    std::int32_t lineFeeds = 0;
    for (size_t i = 0; page[i] != '\0'; ++i) {
        if (!IsBlank(page[i])) {
            lastInk = page + i;
        }
        if (page[i] != '\n') {
            continue;
        }
        if (page[i + 1] == '\r' || page[i + 1] == '\n') {
            cut = page + i + 1;
        }
        if (++lineFeeds <= maxLines) {
            continue;
        }
        // Full: cut at the last empty line, else at this line feed, which opens the next page.
        if (cut == nullptr) {
            cut = page + i;
        }
        if (!ShowPage(page, cut, i + 2, caption)) {
            return false;
        }
        // The scan goes on at the new page's second byte: its first was seen already.
        page = cut;
        i = 0;
        lineFeeds = 0;
        cut = nullptr;
    }
    // The rest gets a box of its own unless it is only blanks and line breaks.
    if (lastInk != nullptr && lastInk >= page) {
        return Ask(page, caption);
    }
    return true;
}
