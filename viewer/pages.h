#pragma once
// How an excerpt falls into the pages of its boxes. A page ends once it holds more than maxLines
// line feeds: at the last empty line it holds where there is one, else at that line feed, which
// opens the next page. What is left after the last full page is a page of its own unless it
// holds nothing but blanks and line breaks.
#include <cstddef>
#include <cstdint>

struct Pager {
    const char *Page; // where the next page starts
    const char *Scan; // the first byte of that page not examined yet
    const char *End;  // the excerpt's end
    std::int32_t MaxLines;
    bool Done;
};

struct Page {
    const char *Start;
    const char *End;
    // The buffer a full page is shown from: the page, and a terminator, within the bytes up to
    // the line feed that filled it plus two. Zero for the last page, which runs to the excerpt's
    // end and is shown in place.
    size_t BufferSize;
};

// The pages of the excerpt's `length` bytes less its first ExcerptSkip.
Pager StartPaging(const char *excerpt, size_t length, std::int32_t maxLines);

// The next page; false when no page is left.
bool NextPage(Pager &pager, Page &page);

// How many boxes the excerpt takes, each answered with OK.
size_t CountPages(const char *excerpt, size_t length, std::int32_t maxLines);
