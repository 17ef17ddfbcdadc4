// The host table and initialisation against hosts that lack exports, and the registration record
// where the system lets the plugin down: no handle at load, strings too long or missing.
#include <gtest/gtest.h>

#include <cstring>

#include "fake_system.h"
#include "host/host_api.h"
#include "message_boxes.h"
#include "plugin_under_test.h"
#include "test_host.h"

namespace {

class HostTable : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetFakeSystem();
        ResetHost();
    }
    void TearDown() override { ResetFakeSystem(); }
};

std::vector<bool> FilledSlots() {
    return {HostApi.AppendMenu != nullptr,          HostApi.DeleteMenu != nullptr,
            HostApi.GetMainWindow != nullptr,       HostApi.GetPostmanWindow != nullptr,
            HostApi.GetHeaderTextLength != nullptr, HostApi.GetHeaderText != nullptr,
            HostApi.GetBodyTextLength != nullptr,   HostApi.GetBodyText != nullptr,
            HostApi.RegisterPluginInfo != nullptr,  HostApi.GetVersion != nullptr};
}

TEST_F(HostTable, LookupStopsAtTheFirstMissingName) {
    const struct {
        const char *missing;
        size_t filled;
    } cases[] = {{"", 10}, {"AppendMenu", 0}, {"GetBodyText", 7}, {"GetVersion", 9}};
    for (const auto &c : cases) {
        System.MissingExports = {c.missing};
        PluginUnderTest plugin;
        EXPECT_EQ(ResolveHostApi(), c.filled == 10) << c.missing;
        std::vector<bool> expected(10, false);
        std::fill_n(expected.begin(), c.filled, true);
        EXPECT_EQ(FilledSlots(), expected) << c.missing;
    }
}

TEST_F(HostTable, HostLackingAnExportIsRefusedAndNeverCalled) {
    for (const char *missing : {"AppendMenu", "GetVersion"}) {
        System.MissingExports = {missing};
        System.AttachHandle = nullptr;
        ResetHost();
        SetMessageOnView("Weekly Vesk");
        PluginUnderTest plugin;
        BoxAnswerer boxes;
        EXPECT_EQ(plugin.Init(), 0) << missing;
        plugin.OnUpdateView();
        EXPECT_EQ(Calls.Registrations, 0) << missing;
        EXPECT_EQ(Calls.BodyLengthCalls, 0) << missing;
        EXPECT_TRUE(System.ModuleNamesAsked.empty()) << "initialisation went on after the lookup";
        EXPECT_EQ(plugin.GetPluginVersion(), 8192);
    }
}

TEST_F(HostTable, HandleIsLookedUpByNameOnlyWhenTheLoadGaveNone) {
    {
        PluginUnderTest plugin;
        ASSERT_EQ(plugin.Init(), 1);
        EXPECT_TRUE(System.ModuleNamesAsked.empty());
    }
    System.AttachHandle = nullptr;
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 1);
    EXPECT_EQ(System.ModuleNamesAsked, std::vector<std::string>{"dovrink"});
    EXPECT_EQ(Calls.RegisteredHandle, FakePluginModule);
    EXPECT_STREQ(reinterpret_cast<const char *>(Calls.Record.data() + 4), "Dovrink");
}

TEST_F(HostTable, RecordTextsAreCutToTheirFieldsAndMissingOnesLeftEmpty) {
    System.Strings[100] = std::string(70, 'n');
    System.Strings[102] = std::string(20, 'v');
    System.Strings.erase(101);
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 1);
    ASSERT_EQ(Calls.Record.size(), 116u);
    const auto *record = reinterpret_cast<const char *>(Calls.Record.data());
    EXPECT_EQ(std::string(record + 4), std::string(63, 'n'));
    EXPECT_EQ(std::string(record + 68), std::string(15, 'v'));
    EXPECT_EQ(std::string(record + 84, 32), std::string(32, '\0'));
}

} // namespace
