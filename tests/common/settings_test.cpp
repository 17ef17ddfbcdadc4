// Where the settings come from and what their values do, seen through the boxes an issue shows.
#include <gtest/gtest.h>

#include <algorithm>

#include "plugin_under_test.h"
#include "scenario.h"
#include "test_host.h"

namespace {

class Settings : public ScenarioTest {
  protected:
    void SetUp() override { Arrange(1252, {}); }
};

// An issue with a section of `lines` numbered lines, ended by the default separator.
std::string IssueWithLongSection(int lines, const std::string &separator = "=========") {
    std::vector<std::string> body = {"Weekly Vesk", "### Long"};
    for (int i = 1; i <= lines; ++i) {
        body.push_back("line " + std::to_string(i));
    }
    body.push_back(separator);
    return Body(body);
}

size_t LineFeeds(const std::string &text) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

TEST_F(Settings, WithoutAFileNothingIsShown) {
    EXPECT_TRUE(ViewOnce(IssueWithLongSection(3)).empty());
    EXPECT_EQ(Calls.BodyTextSizes.size(), 2u) << "an issue is still fetched whole";
}

TEST_F(Settings, KeywordsComeFromTheHostFolderTheRestFromTheCurrentDirectory) {
    WriteSettings(HostFolder(),
                  SettingsText({"[dovrink]", "keyword0=### Host", "separator=~~host", "line=5"}));
    const std::string elsewhere = Subfolder(HostFolder(), "elsewhere");
    WriteSettings(elsewhere, SettingsText({"[dovrink]", "keyword0=### Elsewhere", "separator=~~cwd",
                                           "line=6"}));
    CurrentDirectory inElsewhere(elsewhere);
    std::vector<std::string> lines = {"Weekly Vesk", "### Elsewhere", "### Host"};
    for (int i = 1; i <= 8; ++i) {
        lines.push_back(std::to_string(i));
    }
    lines.insert(lines.end(), {"~~host", "~~cwd", "tail"});
    const std::vector<ShownBox> boxes = ViewOnce(Body(lines));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], (ShownBox{"Host", "Host\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r"}));
    EXPECT_EQ(boxes[1], (ShownBox{"Host", "\n7\r\n8\r\n~~host"}));
    WriteSettings(elsewhere, "");
}

TEST_F(Settings, DefaultsHoldWhereTheCurrentDirectoryHasNoFile) {
    WriteSettings(HostFolder(),
                  SettingsText({"[dovrink]", "keyword0=### Long", "separator=~~", "line=5"}));
    CurrentDirectory inEmpty(Subfolder(HostFolder(), "empty"));
    const std::vector<ShownBox> boxes = ViewOnce(IssueWithLongSection(40));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(LineFeeds(boxes[0].Text), 30u) << "31 lines of 30 a page by default";
    EXPECT_EQ(boxes[1].Text.substr(boxes[1].Text.size() - 7), "line 40") << "ends at =========";
}

TEST_F(Settings, PageLengthBelowFiveMeansThirty) {
    const std::pair<const char *, size_t> cases[] = {{"5", 5},     {"4", 30}, {"-3", 30},
                                                     {"many", 30}, {"", 30},  {"200", 200}};
    for (const auto &[line, feeds] : cases) {
        WriteSettings(HostFolder(), SettingsText({"[dovrink]", "keyword0=### Long",
                                                  std::string("line=") + line}));
        const std::vector<ShownBox> boxes = ViewOnce(IssueWithLongSection(250));
        ASSERT_FALSE(boxes.empty()) << "line=" << line;
        EXPECT_EQ(LineFeeds(boxes[0].Text), feeds) << "line=" << line;
    }
}

TEST_F(Settings, EmptySeparatorEndsASectionAtItsFirstLineBreak) {
    WriteSettings(HostFolder(), SettingsText({"[dovrink]", "keyword0=### Long", "separator="}));
    const std::vector<ShownBox> boxes = ViewOnce(IssueWithLongSection(3));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "Long");
}

TEST_F(Settings, KeywordsShowInKeyOrderAcrossGapsAndOnlyUpToKeywordEight) {
    WriteSettings(HostFolder(), SettingsText({"[dovrink]", "keyword2=### Two", "keyword0=### Zero",
                                              "keyword8=### Eight", "keyword9=### Nine"}));
    const std::vector<ShownBox> boxes =
        ViewOnce(Body({"Weekly Vesk", "### Nine", "=========", "### Eight", "=========", "### Two",
                       "=========", "### Zero", "========="}));
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].Caption, "Zero");
    EXPECT_EQ(boxes[1].Caption, "Two");
    EXPECT_EQ(boxes[2].Caption, "Eight");
}

TEST_F(Settings, LineBreakEscapesMatchLinesInTheBody) {
    WriteSettings(HostFolder(), SettingsText({"[dovrink]", "keyword0=### One\\nTwo\\nThree"}));
    const std::vector<ShownBox> boxes =
        ViewOnce(Body({"Weekly Vesk", "### One", "Two", "Four", "=========", "### One", "Two",
                       "Three", "tail", "========="}));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Caption, "One\r\nTwo\r\nThree");
    EXPECT_EQ(boxes[0].Text, "One\r\nTwo\r\nThree\r\ntail");
}

} // namespace
