#pragma once
// Text for the benchmarks, made here from a fixed seed: the same bytes on every run.
#include <cstddef>
#include <string>
#include <vector>

// Nine 12-byte keywords, Japanese (Shift_JIS) and ASCII.
const std::vector<std::string> &BenchKeywords();

// A 12-byte Shift_JIS heading that no mail text holds.
extern const char *const AbsentKeyword;

// Mail-like Shift_JIS text of about `size` bytes: CR LF lines of 40 to 80 bytes, ASCII, Japanese
// and mixed, some empty, the separator line every 150 to 250 lines, and each keyword once at a
// line start in the last quarter. Starts with the issue marker.
const std::string &MailText(size_t size);

// Mail made against the viewer, each like MailText but for the lines that fill it.
enum class Shape {
    Ordinary,
    NearMisses,       // each keyword of double-byte text less its last byte, over and over
    TrailingKeywords, // such keywords each after a lead byte, so starting at a second byte
    LeadRun,          // everything before the keywords one run of lead bytes
    NearSeparators,   // every line opening with the separator, but for one byte
};
constexpr int ShapeCount = 5;
constexpr const char *ShapeNames[ShapeCount] = {"ordinary", "near_misses", "trailing_keywords",
                                                "lead_run", "near_separators"};

const std::string &ShapedMail(Shape shape, size_t size);

// The pattern that HostileText is made against.
extern const char *const HostileKeyword;

// `size` bytes of double-byte characters that put HostileKeyword's bytes at every second byte,
// so every other position is a false match; the one true match is at the very end.
const std::string &HostileText(size_t size);
