#include "viewer/pages.h"

#include "viewer/caption.h"
#include "viewer/scan/scan_kernels.h"

namespace {

bool IsBlankOrBreak(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// True when the bytes from `text` to `end` hold anything but blanks and line breaks.
bool HasInk(const char *text, const char *end) {
    for (; text < end; ++text) {
        if (!IsBlankOrBreak(*text)) {
            return true;
        }
    }
    return false;
}

} // namespace

Pager StartPaging(const char *excerpt, size_t length, std::int32_t maxLines) {
    const char *page = excerpt + (length < ExcerptSkip ? length : ExcerptSkip);
    const char *end = excerpt + length;
    return {page, page, end, maxLines, page == end};
}

bool NextPage(Pager &pager, Page &page) {
    if (pager.Done) {
        return false;
    }
    std::int32_t lines = 0;
    const char *cut = nullptr; // the start of the page's last empty line
    const char *lineFeed = Kernels->SeekPageEnd(pager.Scan, pager.End, pager.MaxLines, lines, cut);
    if (lineFeed == pager.End) {
        pager.Done = true;
        page = {pager.Page, pager.End, 0};
        return HasInk(pager.Page, pager.End);
    }
    // Full: cut at the last empty line, else at this line feed, which opens the next page.
    if (cut == nullptr) {
        cut = lineFeed;
    }
    page = {pager.Page, cut, static_cast<size_t>(lineFeed - pager.Page) + 2};
    // The scan goes on at the new page's second byte: its first was seen already.
    pager.Page = cut;
    pager.Scan = cut + 1;
    return true;
}

size_t CountPages(const char *excerpt, size_t length, std::int32_t maxLines) {
    Pager pager = StartPaging(excerpt, length, maxLines);
    Page page;
    size_t pages = 0;
    while (NextPage(pager, page)) {
        ++pages;
    }
    return pages;
}
