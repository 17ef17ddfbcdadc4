// The fast searches against their literal reading: the same answers, byte for byte and box for
// box, on random and adversarial text of every length.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "literal_viewer.h"
#include "message_boxes.h"
#include "platform/lead_bytes.h"
#include "plugin_under_test.h"
#include "viewer/paged_display.h"
#include "viewer/scan/scan_kernels.h"
#include "viewer/search/char_starts.h"
#include "viewer/search/find_each.h"
#include "viewer/search/find_text.h"

namespace {

// Bytes that stress the double-byte rules: lead bytes of several code pages, bytes that only
// trail, single-byte katakana, ASCII, and blanks and line breaks for the paging.
const std::string Alphabets[] = {
    "ab",     "\x81\x9F\xE0\xFC@a", "\x88\x9F", "A\x82\xA0\xA1\xDF\xFD\xFE\x40\x7F", "a\n\r \t",
    "\n\n\r",
};

std::string RandomText(std::mt19937 &random, const std::string &alphabet, size_t length) {
    std::string text;
    for (size_t i = 0; i < length; ++i) {
        text += alphabet[random() % alphabet.size()];
    }
    return text;
}

// A pattern cut from the text at any offset (so often misaligned), or made up.
std::string RandomPattern(std::mt19937 &random, const std::string &text,
                          const std::string &alphabet) {
    const size_t length = 1 + random() % 13;
    if (random() % 4 != 0 && text.size() >= length) {
        return text.substr(random() % (text.size() - length + 1), length);
    }
    return RandomText(random, alphabet, length);
}

// The fast search gets the text in a block of its exact size, so that a read past the terminator
// is seen; the literal one gets junk after the terminator, which it must not use either.
int FastOffset(const std::string &text, const std::string &pattern) {
    auto *copy = static_cast<char *>(std::malloc(text.size() + 1));
    std::memcpy(copy, text.c_str(), text.size() + 1);
    const char *match = FindText(copy, text.size(), pattern.c_str());
    const int offset = match == nullptr ? -1 : static_cast<int>(match - copy);
    std::free(copy);
    return offset;
}

int LiteralOffset(const std::string &text, const std::string &pattern) {
    const std::string junk = text + '\0' + pattern + "\x81";
    const char *match = LiteralFindText(junk.c_str(), pattern.c_str());
    return match == nullptr ? -1 : static_cast<int>(match - junk.c_str());
}

// The kernels of each instruction set this processor runs; the baseline everywhere.
std::vector<const char *> RunnableKernels() {
    std::vector<const char *> names;
    for (const char *name : {"sse2", "avx2"}) {
        if (UseScanKernels(name)) {
            names.push_back(name);
        }
    }
    ChooseScanKernels();
    return names;
}

TEST(Differential, FindTextAgreesWithTheLiteralWalk) {
    std::mt19937 random(5);
    for (const char *kernels : RunnableKernels()) {
        UseScanKernels(kernels);
        for (const UINT codePage : {932u, 936u, 1252u}) {
            UseCodePage(codePage);
            LoadLeadBytes();
            for (const std::string &alphabet : Alphabets) {
                for (size_t length = 0; length < 400; length += 1 + length / 100) {
                    const std::string text = RandomText(random, alphabet, length);
                    for (int tries = 0; tries < 4; ++tries) {
                        const std::string pattern = RandomPattern(random, text, alphabet);
                        ASSERT_EQ(FastOffset(text, pattern), LiteralOffset(text, pattern))
                            << kernels << ' ' << codePage << " length " << length << " pattern "
                            << pattern;
                    }
                }
            }
        }
    }
    ChooseScanKernels();
}

// Up to nine patterns at once, some of them alike, each as FindText would find it, in a buffer
// that goes on after the text's NUL.
TEST(Differential, FindEachTextAgreesWithTheLiteralWalk) {
    std::mt19937 random(9);
    for (const char *kernels : RunnableKernels()) {
        UseScanKernels(kernels);
        for (const UINT codePage : {932u, 1252u}) {
            UseCodePage(codePage);
            LoadLeadBytes();
            for (const std::string &alphabet : Alphabets) {
                for (size_t length = 0; length < 400; length += 1 + length / 50) {
                    const std::string text = RandomText(random, alphabet, length);
                    std::vector<std::string> patterns;
                    const size_t count = 1 + random() % MaxPatterns;
                    for (size_t k = 0; k < count; ++k) {
                        patterns.push_back(random() % 8 == 0
                                               ? std::string(random() % 2, 'a')
                                               : RandomPattern(random, text, alphabet));
                    }
                    std::vector<const char *> pointers;
                    pointers.reserve(patterns.size());
                    for (const std::string &pattern : patterns) {
                        pointers.push_back(pattern.c_str());
                    }
                    const std::string buffer =
                        text + '\0' + RandomText(random, alphabet, random() % 100);
                    // A heap block of the buffer's exact size.
                    const std::vector<char> copy(buffer.begin(), buffer.end());
                    const char *found[MaxPatterns];
                    ASSERT_EQ(FindEachText(copy.data(), copy.size(), pointers.data(), count, found),
                              text.size());
                    for (size_t k = 0; k < count; ++k) {
                        const int offset =
                            found[k] == nullptr ? -1 : static_cast<int>(found[k] - copy.data());
                        ASSERT_EQ(offset, LiteralOffset(text, patterns[k]))
                            << kernels << ' ' << codePage << " length " << length << " pattern "
                            << patterns[k];
                    }
                }
            }
        }
    }
    ChooseScanKernels();
}

// Long runs of double-byte characters in which the pattern's bytes stand at every second byte:
// every other position is a false candidate, until a true one near the end.
TEST(Differential, FindTextAgreesOnHostileText) {
    UseCodePage(932);
    LoadLeadBytes();
    for (const size_t pairs : {1u, 31u, 32u, 33u, 100u, 5000u}) {
        std::string text;
        for (size_t i = 0; i < pairs; ++i) {
            text += "\x88\x9F";
        }
        for (const std::string tail : {"", "x", "\x9F\x88\x9F", "x\x9F\x88\x9F\x88", "\x88"}) {
            for (const std::string pattern : {"\x9F\x88\x9F\x88", "\x9F\x88\x9F\x88x", "\x88"}) {
                ASSERT_EQ(FastOffset(text + tail, pattern), LiteralOffset(text + tail, pattern))
                    << pairs << " pairs, tail " << tail;
            }
        }
    }
}

// Text made against the verification: a unit repeated so that nearly every position is a near
// miss, which makes the verifier learn its borders, then a tail that may hold the true match.
struct NearMisses {
    std::string Unit;
    std::string Tail;
    std::string Pattern;
};

const NearMisses NearMissCases[] = {
    {"aaaaaaa", "b", "aaaaaaab"},                    // every position matches all but the last byte
    {"ab", "abc", "ababababc"},                      // the border is most of the pattern
    {"=========\r\n", "==========", "\n=========="}, // separator lines one byte short
    {"=======-=\n", "=========", "\n========="},     // sieved through, failing in the middle
    {"\x81\xA1\x8D\xA1\x8F\x54\x82\xCC\x92\x8D\x96", "\xDA",
     "\x81\xA1\x8D\xA1\x8F\x54\x82\xCC\x92\x8D\x96\xDA"}, // odd length: the parity flips
    {"\x88\x81\xA1\x8D", "\x81\xA1\x8D", "\x81\xA1\x8D"}, // the pattern at every second byte
    {"\x81\x9F", "\x81\x9F\x93", "\x9F\x81\x9F\x93"},     // a run of lead bytes
    {"\x82\xA0", "\x82\xA2", "\x82\xA0\x82\xA0\x82\xA2"}, // periodic double-byte text
};

TEST(Differential, SearchesAgreeOnNearMisses) {
    for (const char *kernels : RunnableKernels()) {
        UseScanKernels(kernels);
        for (const UINT codePage : {932u, 1252u}) {
            UseCodePage(codePage);
            LoadLeadBytes();
            for (const NearMisses &shape : NearMissCases) {
                for (const size_t count : {0u, 1u, 9u, 70u, 3000u}) {
                    std::string text;
                    for (size_t i = 0; i < count; ++i) {
                        text += shape.Unit;
                    }
                    for (const std::string &tail : {std::string(), shape.Tail, shape.Tail + "x"}) {
                        const std::string whole = text + tail;
                        ASSERT_EQ(FastOffset(whole, shape.Pattern),
                                  LiteralOffset(whole, shape.Pattern))
                            << kernels << ' ' << codePage << ' ' << count << ' ' << shape.Pattern;
                        const std::vector<char> copy(whole.c_str(),
                                                     whole.c_str() + whole.size() + 1);
                        const char *patterns[] = {shape.Pattern.c_str(), shape.Unit.c_str()};
                        const char *found[2];
                        FindEachText(copy.data(), copy.size(), patterns, 2, found);
                        for (int k = 0; k < 2; ++k) {
                            const int offset =
                                found[k] == nullptr ? -1 : static_cast<int>(found[k] - copy.data());
                            ASSERT_EQ(offset, LiteralOffset(whole, patterns[k]))
                                << kernels << ' ' << codePage << ' ' << count << ' ' << patterns[k];
                        }
                    }
                }
            }
        }
    }
    ChooseScanKernels();
}

// The second bytes among 64, worked out byte by byte.
std::uint64_t TrailingBytesOneByOne(std::uint64_t leads, bool firstTrails, bool &trailsAfter) {
    std::uint64_t trails = 0;
    bool trailing = firstTrails;
    for (int i = 0; i < 64; ++i) {
        trails |= static_cast<std::uint64_t>(trailing) << i;
        trailing = ((leads >> i) & 1) != 0 && !trailing;
    }
    trailsAfter = trailing;
    return trails;
}

TEST(Differential, TrailingBytesAgreeWithTheByteWalk) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 200000; ++i) {
        // Denser lead bytes make longer runs.
        std::uint64_t leads = random();
        for (int more = 0; more < i % 4; ++more) {
            leads |= random();
        }
        const bool firstTrails = (i & 4) != 0;
        bool fast = false;
        bool slow = false;
        ASSERT_EQ(TrailingBytesOf(leads, firstTrails, fast),
                  TrailingBytesOneByOne(leads, firstTrails, slow))
            << std::hex << leads;
        ASSERT_EQ(fast, slow) << std::hex << leads;
    }
}

struct Showing {
    bool AllOk;
    std::vector<ShownBox> Boxes;
};

Showing FastShowing(const std::string &excerpt, std::int32_t maxLines,
                    const std::vector<int> &answers) {
    auto *copy = static_cast<char *>(std::malloc(excerpt.size() + 1));
    std::memcpy(copy, excerpt.c_str(), excerpt.size() + 1);
    BoxAnswerer boxes(answers);
    const bool allOk = ShowPaged(copy, excerpt.size(), "### K", maxLines);
    std::free(copy);
    return {allOk, boxes.Shown()};
}

Showing LiteralShowing(const std::string &excerpt, std::int32_t maxLines,
                       const std::vector<int> &answers) {
    BoxAnswerer boxes(answers);
    const bool allOk = LiteralShowPaged(excerpt.c_str(), "### K", maxLines);
    return {allOk, boxes.Shown()};
}

TEST(Differential, ShowPagedAgreesWithTheLiteralWalk) {
    std::mt19937 random(11);
    for (const char *kernels : RunnableKernels()) {
        UseScanKernels(kernels);
        for (const std::string alphabet : {"a\n\r \t", "\n\n\r", "ab\n", "a\r\n\n\n"}) {
            for (size_t length = 0; length < 300; ++length) {
                const std::string excerpt = RandomText(random, alphabet, length);
                for (const std::int32_t maxLines : {-1, 0, 1, 2, 5, 30}) {
                    // OK to everything, or Cancel on a random box.
                    std::vector<int> answers(random() % 6, IDOK);
                    if (random() % 2 != 0) {
                        answers.push_back(IDCANCEL);
                    }
                    const Showing fast = FastShowing(excerpt, maxLines, answers);
                    const Showing literal = LiteralShowing(excerpt, maxLines, answers);
                    ASSERT_EQ(fast.AllOk, literal.AllOk) << excerpt;
                    ASSERT_EQ(fast.Boxes, literal.Boxes)
                        << kernels << ' ' << maxLines << ": " << excerpt;
                }
            }
        }
    }
    ChooseScanKernels();
}

} // namespace
