// What a view update costs the host and which boxes it shows, in a single-byte and in a
// double-byte code page.
#include <gtest/gtest.h>

#include "plugin_under_test.h"
#include "scenario.h"
#include "test_host.h"

namespace {

class SingleByteViewer : public ScenarioTest {
  protected:
    void SetUp() override {
        Arrange(1252, {"[dovrink]", "keyword0=### Notes", "keyword1=### Dates", "keyword2=ABCDEF",
                       "line=5"});
    }
};

class DoubleByteViewer : public ScenarioTest {
  protected:
    void SetUp() override {
        Arrange(932,
                {"[dovrink]", "keyword0=\x81\x9F\x81\x9F\x8D\xA1\x8F\x54\x82\xCC\x98\x62\x91\xE8",
                 "keyword1=ABCDEF", "separator=\x84\xAA\x84\xAA\x84\xAA", "line=5"});
    }
};

std::string Padding(size_t bytes) { return std::string(bytes, '.'); }

TEST_F(SingleByteViewer, MessageThatIsNotAnIssueCostsOneSmallFetch) {
    const std::string notAnIssue =
        Body({"Dear reader,", Padding(300), "### Notes", "a", "========="});
    EXPECT_TRUE(ViewOnce(notAnIssue).empty());
    EXPECT_EQ(Calls.BodyLengthCalls, 1);
    EXPECT_EQ(Calls.BodyTextSizes, std::vector<DWORD>{80});
}

TEST_F(SingleByteViewer, ProbeOfAShortMessageHoldsItAll) {
    EXPECT_TRUE(ViewOnce("short").empty());
    EXPECT_EQ(Calls.BodyTextSizes, std::vector<DWORD>{7})
        << "the length with its terminator, plus one";
}

TEST_F(SingleByteViewer, EmptyBodyIsNotFetched) {
    SetReportedLength(0);
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 1);
    plugin.OnUpdateView();
    EXPECT_EQ(Calls.BodyLengthCalls, 1);
    EXPECT_TRUE(Calls.BodyTextSizes.empty());
}

TEST_F(SingleByteViewer, LargestReportedLengthStillProbesEightyBytes) {
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 1);
    SetMessageOnView("no marker here");
    SetReportedLength(0xFFFFFFFF);
    plugin.OnUpdateView();
    EXPECT_EQ(Calls.BodyTextSizes, std::vector<DWORD>{80});
}

TEST_F(SingleByteViewer, MarkerCountsWithinTheFirst79Bytes) {
    const std::string section = "\r\n### Notes\r\nseen\r\n=========\r\n";
    const std::string at68 = Padding(68) + "Weekly Vesk" + section;
    const std::vector<ShownBox> boxes = ViewOnce(at68);
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Notes", "Notes\r\nseen"}}));
    EXPECT_EQ(Calls.BodyTextSizes, (std::vector<DWORD>{80, static_cast<DWORD>(at68.size() + 1)}));

    ResetHost();
    EXPECT_TRUE(ViewOnce(Padding(69) + "Weekly Vesk" + section).empty());
    EXPECT_EQ(Calls.BodyTextSizes, std::vector<DWORD>{80});
}

TEST_F(SingleByteViewer, OnlyTheFirstOccurrenceOfAKeywordCounts) {
    const std::vector<ShownBox> boxes = ViewOnce(Body(
        {"Weekly Vesk", "### Notes", "first", "=========", "### Notes", "second", "========="}));
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Notes", "Notes\r\nfirst"}}));
}

TEST_F(SingleByteViewer, KeywordWithoutSeparatorAfterItIsSkipped) {
    const std::vector<ShownBox> boxes = ViewOnce(
        Body({"Weekly Vesk", "### Dates", "monday", "=========", "### Notes", "never closed"}));
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Dates", "Dates\r\nmonday"}}));
}

TEST_F(SingleByteViewer, LineFeedEndingsLoseTheSectionsLastCharacter) {
    const std::vector<ShownBox> boxes = ViewOnce("Weekly Vesk\n### Notes\nlast line\n=========\n");
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Notes", "Notes\nlast lin"}}));
}

TEST_F(SingleByteViewer, CancelEndsTheUpdateAndTheNextUpdateStartsOver) {
    const std::string issue =
        Body({"Weekly Vesk", "### Dates", "monday", "=========", "### Notes", "note", "========="});
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 1);
    SetMessageOnView(issue);
    {
        BoxAnswerer cancelFirst({IDCANCEL});
        plugin.OnUpdateView();
        EXPECT_EQ(cancelFirst.Shown(), (std::vector<ShownBox>{{"Notes", "Notes\r\nnote"}}));
    }
    BoxAnswerer okAll;
    plugin.OnUpdateView();
    EXPECT_EQ(okAll.Shown(),
              (std::vector<ShownBox>{{"Notes", "Notes\r\nnote"}, {"Dates", "Dates\r\nmonday"}}));
}

TEST_F(SingleByteViewer, PagesWithoutEmptyLinesHoldSixLines) {
    std::vector<std::string> lines = {"Weekly Vesk", "### Notes"};
    for (int i = 1; i <= 12; ++i) {
        lines.push_back("L" + std::to_string(i));
    }
    lines.push_back("=========");
    const std::vector<ShownBox> boxes = ViewOnce(Body(lines));
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Notes", "Notes\r\nL1\r\nL2\r\nL3\r\nL4\r\nL5\r"},
                                            {"Notes", "\nL6\r\nL7\r\nL8\r\nL9\r\nL10\r\nL11\r"},
                                            {"Notes", "\nL12"}}));
}

TEST_F(SingleByteViewer, PageEndsBeforeItsLastEmptyLine) {
    const std::vector<ShownBox> boxes = ViewOnce(Body(
        {"Weekly Vesk", "### Notes", "L1", "L2", "L3", "", "L4", "L5", "L6", "L7", "========="}));
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Notes", "Notes\r\nL1\r\nL2\r\nL3\r\n"},
                                            {"Notes", "\r\nL4\r\nL5\r\nL6\r\nL7"}}));
}

TEST_F(SingleByteViewer, BlankRemainderShowsNoBox) {
    const std::vector<ShownBox> boxes = ViewOnce(
        Body({"Weekly Vesk", "### Notes", "L1", "L2", "L3", "L4", "L5", "", " \t", "========="}));
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"Notes", "Notes\r\nL1\r\nL2\r\nL3\r\nL4\r\nL5\r\n"}}));
}

// 0x83 0x41 is one character in Shift_JIS, two in code page 1252.
const std::string LeadThenAbcdef = std::string("\x83") + "ABCDEF first";

TEST_F(SingleByteViewer, KeywordMatchesAnywhereInASingleByteCodePage) {
    const std::vector<ShownBox> boxes =
        ViewOnce(Body({"Weekly Vesk", LeadThenAbcdef, "=========", "ABCDEF second", "========="}));
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"EF", "EF first"}}));
}

TEST_F(DoubleByteViewer, JapaneseCaptionAndTextReachTheBoxUnchanged) {
    // "◆◆今週の話題" opens a section in Shift_JIS whose lines hold 0x5C as trailing bytes.
    const std::string keyword = "\x81\x9F\x81\x9F\x8D\xA1\x8F\x54\x82\xCC\x98\x62\x91\xE8";
    const std::string line = "\x95\x5C\x8E\xA6\x82\xCC\x83\x5C\x83\x74\x83\x67";
    const std::string separator = "\x84\xAA\x84\xAA\x84\xAA\x84\xAA";
    const std::vector<ShownBox> boxes = ViewOnce(Body({"Weekly Vesk", keyword, line, separator}));
    EXPECT_EQ(boxes,
              (std::vector<ShownBox>{{keyword.substr(4), keyword.substr(4) + "\r\n" + line}}));
}

TEST_F(DoubleByteViewer, KeywordIsFoundOnlyOnCharacterBoundaries) {
    // The "A" inside 0x83 0x41 does not start "ABCDEF".
    const std::string separator = "\x84\xAA\x84\xAA\x84\xAA";
    const std::vector<ShownBox> boxes =
        ViewOnce(Body({"Weekly Vesk", LeadThenAbcdef, separator, "ABCDEF second", separator}));
    EXPECT_EQ(boxes, (std::vector<ShownBox>{{"EF", "EF second"}}));
}

} // namespace
