// Each allocation of a view update and of the settings fails in turn: the work in hand is skipped
// quietly, the rest goes on, and nothing is left held.
#include <gtest/gtest.h>

#include <algorithm>

#include "failing_heap.h"
#include "plugin_under_test.h"
#include "scenario.h"
#include "settings/settings.h"
#include "test_host.h"

namespace {

class AllocationFailure : public ScenarioTest {
  protected:
    void SetUp() override {
        Arrange(1252, {"[dovrink]", "keyword0=### One", "keyword1=### Two", "keyword2=### Three",
                       "line=5"});
    }
    void TearDown() override {
        FailHeapAllocation(0);
        FailNew(0);
        ScenarioTest::TearDown();
    }
};

// "### One" takes two boxes (the first a page of its own), "### Two" one box.
const std::string Issue = Body({"Weekly Vesk", "### One", "1", "2", "3", "4", "5", "6", "7",
                                "=========", "### Two", "two", "========="});
const ShownBox OnePage{"One", "One\r\n1\r\n2\r\n3\r\n4\r\n5\r"};
const ShownBox OneRest{"One", "\n6\r\n7"};
const ShownBox Two{"Two", "Two\r\ntwo"};

struct Failure {
    const char *allocation;
    std::vector<ShownBox> boxes;
};

// In the order an update allocates; the last one fails nothing.
const Failure Failures[] = {
    {"probe", {}},
    {"body", {}},
    {"excerpt of ### One", {Two}},
    {"page of ### One", {OneRest, Two}},
    {"excerpt of ### Two", {OnePage, OneRest}},
    {"none", {OnePage, OneRest, Two}},
};

TEST_F(AllocationFailure, EachFailedAllocationSkipsOnlyItsWork) {
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 1);
    SetMessageOnView(Issue);
    int nth = 0;
    for (const Failure &failure : Failures) {
        const std::ptrdiff_t held = HeapBlocksHeld();
        BoxAnswerer boxes;
        FailHeapAllocation(++nth);
        plugin.OnUpdateView();
        const int seen = HeapAllocationsSeen();
        FailHeapAllocation(0);
        EXPECT_EQ(boxes.Shown(), failure.boxes) << failure.allocation;
        EXPECT_EQ(HeapBlocksHeld(), held) << failure.allocation << ": a block was not released";
        if (failure.boxes.size() == 3) {
            EXPECT_EQ(seen, nth - 1) << "an update allocates five blocks";
        }
    }
}

// Every allocation of reading the settings fails in turn: the reading goes on without what it could
// not read or store, keeps the other keywords in their order, and leaks nothing (the sanitizer's
// leak check sees to that).
TEST_F(AllocationFailure, SettingsKeepWhatCouldBeStored) {
    const std::vector<std::string> all = {"### One", "### Two", "### Three"};
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 1);
    FailNew(0);
    LoadSettings();
    const int news = NewsSeen();
    ASSERT_EQ(Settings.KeywordList, all);
    ASSERT_GT(news, 0);
    for (int nth = 1; nth <= news; ++nth) {
        FailNew(nth);
        LoadSettings();
        FailNew(0);
        const std::vector<std::string> &kept = Settings.KeywordList;
        // In their order: each kept keyword is found after the one before.
        auto next = all.begin();
        for (const std::string &keyword : kept) {
            next = std::find(next, all.end(), keyword);
            ASSERT_NE(next, all.end()) << "allocation " << nth << " changed the keywords";
            ++next;
        }
    }
}

} // namespace
