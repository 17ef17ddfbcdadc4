#include "viewer/paged_display.h"

#include <cstdlib>
#include <cstring>

#include "platform/windows_api.h"
#include "viewer/caption.h"
#include "viewer/pages.h"

namespace {

// True unless the user pressed Cancel; a box that could not be shown counts as OK.
bool Ask(const char *text, const char *caption) {
    return MessageBoxA(nullptr, text, caption, MB_OKCANCEL) != IDCANCEL;
}

// A full page is copied into a buffer of its own; one that cannot be allocated is passed over,
// as if answered with OK. The last page is shown where it stands, up to the terminator.
bool ShowPage(const Page &page, const char *caption) {
    if (page.BufferSize == 0) {
        return Ask(page.Start, caption);
    }
    auto *buffer = static_cast<char *>(std::malloc(page.BufferSize));
    if (buffer == nullptr) {
        return true;
    }
    const auto length = static_cast<size_t>(page.End - page.Start);
    std::memcpy(buffer, page.Start, length);
    buffer[length] = '\0';
    const bool ok = Ask(buffer, caption);
    std::free(buffer);
    return ok;
}

} // namespace

bool ShowPaged(const char *excerpt, size_t length, const char *keyword, std::int32_t maxLines) {
    const char *caption = CaptionOf(keyword);
    Pager pager = StartPaging(excerpt, length, maxLines);
    Page page;
    while (NextPage(pager, page)) {
        if (!ShowPage(page, caption)) {
            return false;
        }
    }
    return true;
}
