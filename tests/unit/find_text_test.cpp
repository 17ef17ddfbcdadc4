// FindText in a single-byte and in a double-byte code page.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/lead_bytes.h"
#include "plugin_under_test.h"
#include "viewer/scan/bit_mask.h"
#include "viewer/scan/scan_kernels.h"
#include "viewer/search/find_text.h"

namespace {

struct Search {
    UINT codePage;
    const char *text;
    const char *pattern;
    int found; // offset of the match, -1 for none
};

const Search Searches[] = {
    {1252, "abcabc", "cab", 2},
    {1252, "abc", "abcd", -1},
    {1252,
     "\x83"
     "ABC",
     "ABC", 1},
    // Shift_JIS: 0x83 0x41 is one character, so "A" at offset 1 is no start.
    {932,
     "\x83"
     "ABC",
     "ABC", -1},
    {932,
     "\x83"
     "ABCxABC",
     "ABC", 5},
    {932, "\x83\x41\x83\x41", "\x41\x83", -1},
    // Both bytes of 0x88 0x9F and 0x9F 0x88 can lead: the first match is inside a character.
    {932, "x\x88\x9F\x9F\x88", "\x9F\x88", 3},
    {932, "\x88\x9F\x88\x9F\x88\x9F", "\x9F\x88", -1},
    // Single-byte katakana (0xA1-0xDF) are whole characters.
    {932, "\xB1\xB2", "\xB2", 1},
    {932, "xx\x95\x5C\x95\x5C", "\x5C", -1},
    {932, "abc", "abc", 0},
    {932, "abc", "abcd", -1},
    {932, "ab", "", 0},
    {932, "", "", -1},
    // A lead byte cut off by the terminator ends the search there.
    {932, "ab\x83", "\x83", 2},
    {932, "ab\x83", "z", -1},
};

TEST(FindText, MatchesStartOnCharacterBoundaries) {
    for (const Search &s : Searches) {
        UseCodePage(s.codePage);
        LoadLeadBytes();
        const char *match = FindText(s.text, std::strlen(s.text), s.pattern);
        EXPECT_EQ(match == nullptr ? -1 : static_cast<int>(match - s.text), s.found)
            << s.codePage << ": \"" << s.pattern << "\" in \"" << s.text << "\"";
    }
}

TEST(FindText, ReadsNothingPastTheTerminator) {
    UseCodePage(932);
    LoadLeadBytes();
    // Heap blocks of exactly the text's size, so that a read past the end is seen.
    for (const std::string text : {"\x83", "a\x83", "abc", ""}) {
        auto *copy = static_cast<char *>(std::malloc(text.size() + 1));
        std::memcpy(copy, text.c_str(), text.size() + 1);
        EXPECT_EQ(FindText(copy, text.size(), "\x83\x41"), nullptr);
        std::free(copy);
    }
}

// The load's choice of kernels: the environment can force the baseline; a name nobody has, or
// one the processor cannot run, changes nothing.
TEST(ScanKernels, ChosenOnceFromProcessorAndEnvironment) {
    setenv("DOVRINK_VECTORS", "sse2", 1);
    ChooseScanKernels();
    EXPECT_STREQ(Kernels->Name, "sse2");
    setenv("DOVRINK_VECTORS", "neon", 1);
    ChooseScanKernels();
    const std::string widest = Kernels->Name;
    unsetenv("DOVRINK_VECTORS");
    ChooseScanKernels();
    EXPECT_EQ(Kernels->Name, widest);
    __builtin_cpu_init();
    EXPECT_EQ(widest, __builtin_cpu_supports("avx2") ? "avx2" : "sse2");
    EXPECT_FALSE(UseScanKernels("neon"));
    EXPECT_EQ(Kernels->Name, widest);
}

// The 32-bit DLL's lowest-bit scan, which the 64-bit builds never take, against the builtin.
TEST(BitMask, LowestBitByHalvesAgreesAcrossTheHalves) {
    for (const std::uint64_t bits :
         {std::uint64_t{1}, std::uint64_t{0xF0}, std::uint64_t{1} << 31, std::uint64_t{1} << 32,
          ~std::uint64_t{0} << 33, std::uint64_t{1} << 63}) {
        EXPECT_EQ(LowestBitByHalves(bits), __builtin_ctzll(bits)) << std::hex << bits;
    }
}

} // namespace
