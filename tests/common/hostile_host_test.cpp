// Hosts that misreport, misbehave or call back at the wrong moment: each view update ends without
// a crash, without a read outside a buffer, and without a box that shows bytes the host never gave.
#include <gtest/gtest.h>

#include <functional>

#include "plugin_under_test.h"
#include "scenario.h"
#include "test_host.h"

namespace {

class HostileHost : public ScenarioTest {
  protected:
    void SetUp() override {
        Arrange(1252, {"[dovrink]", "keyword0=### One", "keyword1=### Two", "line=5"});
    }
};

const std::string Issue =
    Body({"Weekly Vesk", "### One", "first", "=========", "### Two", "second", "========="});
const ShownBox First{"One", "One\r\nfirst"};
const ShownBox Second{"Two", "Two\r\nsecond"};

struct Misbehaviour {
    const char *name;
    std::function<void()> arrange;
    std::vector<ShownBox> boxes;
};

const Misbehaviour Misbehaviours[] = {
    {"the largest length", [] { SetReportedLength(0xFFFFFFFF); }, {}},
    {"the largest length but one", [] { SetReportedLength(0xFFFFFFFE); }, {}},
    {"a length far beyond the body",
     [] { SetReportedLength(static_cast<DWORD>(Issue.size()) + 5000); },
     {First, Second}},
    // Up to the line feed before the second separator line: that section has no end.
    {"a length that cuts the body",
     [] { SetReportedLength(static_cast<DWORD>(Issue.rfind("\n=") + 1)); },
     {First}},
    {"no terminator, the length with room for one",
     [] { SetUnterminatedFetches(); },
     {First, Second}},
    {"no terminator, the length without room for one",
     [] {
         SetUnterminatedFetches();
         SetReportedLength(static_cast<DWORD>(Issue.size()));
     },
     {First, Second}},
    {"no terminator, a length far beyond the body",
     [] {
         SetUnterminatedFetches();
         SetReportedLength(static_cast<DWORD>(Issue.size()) + 5000);
     },
     {First, Second}},
    // The text ends at the NUL: nothing after it is shown.
    {"a NUL inside the body",
     [] {
         const std::string head = Body({"Weekly Vesk", "### One", "first", "========="});
         SetMessageOnView(head + '\0' + Body({"### Two", "second", "========="}));
     },
     {First}},
};

TEST_F(HostileHost, MisreportedLengthsAndBodiesShowOnlyWhatTheHostGave) {
    for (const Misbehaviour &m : Misbehaviours) {
        ResetHost();
        PluginUnderTest plugin;
        ASSERT_EQ(plugin.Init(), 1);
        SetMessageOnView(Issue);
        m.arrange();
        BoxAnswerer boxes;
        plugin.OnUpdateView();
        EXPECT_EQ(boxes.Shown(), m.boxes) << m.name;
    }
}

// The box's modal loop dispatches the host's messages, and one of them updates the view again:
// the nested update runs with its own buffers, and the outer one resumes where it was.
TEST_F(HostileHost, ViewUpdateWhileABoxIsOpenRunsOnItsOwn) {
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 1);
    SetMessageOnView(Issue);
    BoxAnswerer boxes;
    WhileNextBoxIsOpen([&plugin] {
        SetMessageOnView(Body({"Weekly Vesk", "### Two", "nested two", "=========", "### One",
                               "nested one", "========="}));
        plugin.OnUpdateView();
    });
    plugin.OnUpdateView();
    const std::vector<ShownBox> expected = {
        First, {"One", "One\r\nnested one"}, {"Two", "Two\r\nnested two"}, Second};
    EXPECT_EQ(boxes.Shown(), expected);
}

// A second initialisation reads the settings again instead of adding them once more.
TEST_F(HostileHost, SecondInitialisationDoesNotRepeatTheKeywords) {
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 1);
    ASSERT_EQ(plugin.Init(), 1);
    SetMessageOnView(Issue);
    BoxAnswerer boxes;
    plugin.OnUpdateView();
    EXPECT_EQ(boxes.Shown(), (std::vector<ShownBox>{First, Second}));
}

} // namespace
