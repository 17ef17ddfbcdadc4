// ShowPaged at the edges that whole issues do not reach easily.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "message_boxes.h"
#include "platform/windows_api.h"
#include "viewer/paged_display.h"

namespace {

struct Paging {
    const char *excerpt;
    const char *keyword;
    std::int32_t maxLines;
    std::vector<ShownBox> boxes;
};

const Paging Pagings[] = {
    // Twenty lines fit a page of thirty: one box with all after the first four bytes.
    {"### 1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n16\n17\n18\n19\n20",
     "### K",
     30,
     {{"K", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n16\n17\n18\n19\n20"}}},
    // Shorter than the four bytes left out: nothing to show, and an empty caption.
    {"abc", "### K", 5, {}},
    {"### text", "ab", 5, {{"", "text"}}},
    // Only blanks and line breaks after the four bytes: no box.
    {"### \r\n \t\r\n\n", "### K", 5, {}},
    // Empty lines in line-feed text; the later one is where the page ends.
    {"### a\n\nb\n\nc\nd\ne\nf", "### K", 5, {{"K", "a\n\nb\n"}, {"K", "\nc\nd\ne\nf"}}},
    // A line feed as the text's last byte does not make an empty line.
    {"### a\nb\nc\nd\ne\nf\n", "### K", 5, {{"K", "a\nb\nc\nd\ne\nf"}}},
    // A page of no lines cuts at every line feed.
    {"### a\nb\nc", "### K", 0, {{"K", "a"}, {"K", "\nb"}, {"K", "\nc"}}},
};

TEST(ShowPaged, CutsPagesAndSkipsBlankRemainders) {
    for (const Paging &p : Pagings) {
        // The excerpt in a heap block of its own size, so that a read past its end is seen.
        const size_t size = std::strlen(p.excerpt) + 1;
        auto *excerpt = static_cast<char *>(std::malloc(size));
        std::memcpy(excerpt, p.excerpt, size);
        BoxAnswerer boxes;
        EXPECT_TRUE(ShowPaged(excerpt, size - 1, p.keyword, p.maxLines)) << p.excerpt;
        EXPECT_EQ(boxes.Shown(), p.boxes) << p.excerpt;
        std::free(excerpt);
    }
}

TEST(ShowPaged, CancelOnAnyPageStopsThePaging) {
    for (size_t cancelled = 0; cancelled < 3; ++cancelled) {
        std::vector<int> answers(cancelled, IDOK);
        answers.push_back(IDCANCEL);
        BoxAnswerer boxes(answers);
        const char *excerpt = "### 1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13";
        EXPECT_FALSE(ShowPaged(excerpt, std::strlen(excerpt), "### K", 5));
        EXPECT_EQ(boxes.Shown().size(), cancelled + 1);
    }
}

} // namespace
