// Each allocation of a view update fails in turn: the work in hand is skipped quietly, the rest
// goes on, and nothing is left held. Reading the settings allocates nothing at all.
#include <gtest/gtest.h>

#include "failing_heap.h"
#include "plugin_under_test.h"
#include "scenario.h"
#include "settings/settings.h"
#include "settings_record.h"
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

// With every allocation failing, the settings still come whole and in order: reading them takes
// nothing from the heap.
TEST_F(AllocationFailure, SettingsAreReadWithoutTheHeap) {
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 1);
    PluginSettings settings;
    FailHeapAllocation(1);
    LoadSettings(settings);
    const int seen = HeapAllocationsSeen();
    FailHeapAllocation(0);
    EXPECT_EQ(seen, 0);
    EXPECT_EQ(KeywordsOf(settings), (std::vector<std::string>{"### One", "### Two", "### Three"}));
}

} // namespace
