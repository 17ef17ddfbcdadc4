// A host that lacks one of the ten exports: built twice, without the first and without the last.
#include <gtest/gtest.h>

#include "message_boxes.h"
#include "plugin_under_test.h"
#include "test_host.h"

namespace {

bool ExportsAllTen() {
#define DOVRINK_NAME(name, result, parameters, bytes) #name,
    const char *names[] = {DOVRINK_HOST_FUNCTIONS(DOVRINK_NAME)};
#undef DOVRINK_NAME
    for (const char *name : names) {
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
