// The code page and the terminal: what the stand-ins make of 8-bit text.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

#include "platform/ansi_text.h"
#include "platform/posix/environment.h"
#include "platform/posix/terminal_box.h"
#include "platform/posix/windows_api.h"

namespace {

class InCodePage : public ::testing::Test {
  protected:
    static void Use(const char *codePage) { setenv(CodePageVariable, codePage, 1); }
    void TearDown() override { unsetenv(CodePageVariable); }
};

TEST_F(InCodePage, LeadBytesComeFromTheChosenCodePage) {
    const struct {
        const char *chosen;
        UINT acp;
        UINT maxCharSize;
        BYTE firstRange[2];
    } cases[] = {{"932", 932, 2, {0x81, 0x9F}},
                 {"1252", 1252, 1, {0, 0}},
                 {"936", 936, 2, {0x81, 0xFE}},
                 {"12345", 1252, 1, {0, 0}},
                 {"", 1252, 1, {0, 0}}};
    for (const auto &c : cases) {
        Use(c.chosen);
        EXPECT_EQ(GetACP(), c.acp) << c.chosen;
        CPINFO info;
        ASSERT_TRUE(GetCPInfo(CP_ACP, &info));
        EXPECT_EQ(info.MaxCharSize, c.maxCharSize) << c.chosen;
        EXPECT_EQ(info.LeadByte[0], c.firstRange[0]) << c.chosen;
        EXPECT_EQ(info.LeadByte[1], c.firstRange[1]) << c.chosen;
    }
}

TEST_F(InCodePage, TextIsConvertedForTheTerminal) {
    Use("932");
    EXPECT_EQ(Utf8OfAnsi("\x95\x5C\x8E\xA6 ok"), "表示 ok");
    EXPECT_EQ(Utf8OfAnsi("a\x81 b\x81"), "a\xEF\xBF\xBD b\xEF\xBF\xBD")
        << "lead bytes without a second";
    Use("1252");
    EXPECT_EQ(Utf8OfAnsi("caf\xE9"), "café");
}

// Each answer as Wine gives it: what the text reads as, and whether MB_ERR_INVALID_CHARS refuses
// it.
TEST_F(InCodePage, CharactersAreReadAsWindowsReadsThem) {
    const struct {
        const char *codePage;
        const char *text;
        char16_t reads;
        bool refused;
    } cases[] = {
        {"932", "\x82\xA0", u'\u3042', false}, {"932", "\xF0\x40", u'\uE000', false},
        {"932", "\x80", u'\u0080', false},     {"932", "\x81\x7F", u'\u30FB', true},
        {"932", "\x81", u'\u30FB', true},      {"932", "\xA0", u'\uF8F0', true},
        {"932", "\xFD", u'\uF8F1', true},      {"1252", "\x81", u'\u0081', false},
    };
    for (const auto &c : cases) {
        Use(c.codePage);
        WCHAR wide[4] = {};
        const int length = static_cast<int>(std::strlen(c.text));
        EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, c.text, length, wide, 4), 1) << c.text;
        EXPECT_EQ(wide[0], c.reads) << c.text;
        EXPECT_EQ(MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, c.text, length, wide, 4) == 0,
                  c.refused)
            << c.text;
    }
}

TEST(TerminalLines, LineBreaksSplitAndControlCharactersCannotSteerTheTerminal) {
    const std::pair<const char *, std::vector<std::string>> cases[] = {
        {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"end\r\n", {"end", ""}},
        {"\x1b[2Jgone\x07", {"\\x1B[2Jgone\\x07"}},
        {"tab\tkept \xC2\x9B"
         "c1",
         {"tab\tkept \\u009B"
          "c1"}},
    };
    for (const auto &[text, lines] : cases) {
        EXPECT_EQ(TerminalLines(text), lines) << text;
    }
}

TEST_F(InCodePage, ProfileValuesKeepWholeCharactersAndFollowByteOrderMarks) {
    Use("932");
    std::ofstream("cut.ini", std::ios::binary) << "[dovrink]\r\nk=\x95\x5C\x95\x5C\x95\x5C\r\n";
    char value[6];
    EXPECT_EQ(GetPrivateProfileStringA("dovrink", "k", "", value, sizeof value, ".\\cut.ini"), 4u);
    EXPECT_STREQ(value, "\x95\x5C\x95\x5C") << "the third character does not fit whole";

    std::ofstream("bom.ini", std::ios::binary) << "\xEF\xBB\xBF[dovrink]\r\nk=v\r\n";
    char read[8];
    EXPECT_EQ(GetPrivateProfileStringA("dovrink", "k", "none", read, sizeof read, ".\\bom.ini"),
              1u);
    EXPECT_STREQ(read, "v") << "the mark says UTF-8, as Windows reads it";
    std::remove("cut.ini");
    std::remove("bom.ini");
}

} // namespace
