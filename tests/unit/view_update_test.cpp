// View updates against a host that does not terminate what it writes.
#include <gtest/gtest.h>

#include "plugin_under_test.h"
#include "scenario.h"
#include "test_host.h"

namespace {

class CarelessHost : public ScenarioTest {
  protected:
    void SetUp() override {
        Arrange(1252, {"[dovrink]", "keyword0=### Notes"});
        SetUnterminatedFetches();
    }
};

TEST_F(CarelessHost, ProbeStaysInsideItsBuffer) {
    EXPECT_TRUE(ViewOnce(std::string(200, '.')).empty());
    EXPECT_EQ(Calls.BodyTextSizes, std::vector<DWORD>{80});
}

TEST_F(CarelessHost, IssueLosesOnlyItsLastByte) {
    // The host reports the length without a terminator, so the plugin's own NUL takes the last
    // byte: here the last line break, while the separator line stays whole.
    const std::string issue = Body({"Weekly Vesk", "### Notes", "seen", "========="});
    SetMessageOnView(issue);
    SetReportedLength(static_cast<DWORD>(issue.size()));
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 1);
    BoxAnswerer boxes;
    plugin.OnUpdateView();
    EXPECT_EQ(boxes.Shown(), (std::vector<ShownBox>{{"Notes", "Notes\r\nseen"}}));
}

} // namespace
