#include "viewer/paged_display.h"

#include <cstdlib>
#include <cstring>

#include "platform/windows_api.h"
#include "viewer/scan_kernels.h"

namespace {

// The caption: the keyword less its first ExcerptSkip bytes, or its empty end when it is shorter.
const char *Caption(const char *keyword) {
    for (int i = 0; i < ExcerptSkip && *keyword != '\0'; ++i) {
        ++keyword;
    }
    return keyword;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// True when the bytes from `text` to `end` hold anything but blanks and line breaks.
bool HasInk(const char *text, const char *end) {
    for (; text < end; ++text) {
        if (!IsBlank(*text)) {
            return true;
        }
    }
    return false;
}

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

bool ShowPaged(const char *excerpt, size_t length, const char *keyword, std::int32_t maxLines) {
    const char *caption = Caption(keyword);
    const char *end = excerpt + length;
    const char *page = excerpt + (length < ExcerptSkip ? length : ExcerptSkip);
    if (page == end) {
        return true;
    }
    const char *scan = page;   // first byte of the page not examined yet
    const char *cut = nullptr; // start of the page's last empty line
    std::int32_t lines = 0;
    for (;;) {
        const char *lineFeed = Kernels->SeekPageEnd(scan, end, maxLines, lines, cut);
        if (lineFeed == end) {
            break;
        }
        // Full: cut at the last empty line, else at this line feed, which opens the next page.
        if (cut == nullptr) {
            cut = lineFeed;
        }
        if (!ShowPage(page, cut, static_cast<size_t>(lineFeed - page) + 2, caption)) {
            return false;
        }
        // The scan goes on at the new page's second byte: its first was seen already.
        page = cut;
        scan = page + 1;
        lines = 0;
        cut = nullptr;
    }
    // The rest gets a box of its own unless it is only blanks and line breaks.
    if (HasInk(page, end)) {
        return Ask(page, caption);
    }
    return true;
}
