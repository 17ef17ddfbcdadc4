// A host that lacks one of the ten exports: built twice, without the first and without the last.
#include <gtest/gtest.h>

#include "message_boxes.h"
#include "plugin_under_test.h"
#include "test_host.h"

namespace {

bool ExportsAllTen() {
    for (const char *name : HostFunctionNames) {
        if (GetProcAddress(GetModuleHandleA(nullptr), name) == nullptr) {
            return false;
        }
    }
    return true;
}

TEST(MissingExport, InitialisationFailsAndNothingIsRegistered) {
    ASSERT_FALSE(ExportsAllTen()) << "this host was meant to lack an export";
    ResetHost();
    PluginUnderTest plugin;
    EXPECT_EQ(plugin.Init(), 0);
    EXPECT_EQ(Calls.Registrations, 0);
    EXPECT_EQ(plugin.GetPluginVersion(), 8192);
}

TEST(MissingExport, ViewUpdatesAfterTheFailureTouchNothing) {
    ResetHost();
    SetMessageOnView("Weekly Vesk\r\nanything");
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 0);
    BoxAnswerer boxes;
    plugin.OnUpdateView();
    EXPECT_EQ(Calls.BodyLengthCalls, 0);
    EXPECT_TRUE(Calls.BodyTextSizes.empty());
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ(plugin.Exit(), 1);
}

} // namespace
