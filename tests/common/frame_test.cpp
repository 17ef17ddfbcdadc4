// The plugin frame as the host sees it: interface version, registration, the quiet entry points.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "message_boxes.h"
#include "plugin_under_test.h"
#include "scenario.h"
#include "test_host.h"

namespace {

class Frame : public ScenarioTest {};

std::string RecordText(size_t offset, size_t size) {
    const auto *text = reinterpret_cast<const char *>(Calls.Record.data() + offset);
    EXPECT_NE(std::memchr(text, '\0', size), nullptr) << "field at " << offset << " unterminated";
    return text;
}

TEST_F(Frame, ReportsTheInterfaceVersionBeforeAndAfterInitialisation) {
    PluginUnderTest plugin;
    EXPECT_EQ(plugin.GetPluginVersion(), 8192);
    ASSERT_EQ(plugin.Init(), 1);
    EXPECT_EQ(plugin.GetPluginVersion(), 8192);
    EXPECT_EQ(plugin.Exit(), 1);
}

TEST_F(Frame, RegistersNameVersionAndAuthorAtTheirOffsets) {
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 1);
    ASSERT_EQ(Calls.Registrations, 1);
    ASSERT_EQ(Calls.Record.size(), 116u);
    std::uint32_t size;
    std::memcpy(&size, Calls.Record.data(), sizeof size);
    EXPECT_EQ(size, 116u);
    EXPECT_EQ(RecordText(4, 64), "Dovrink");
    EXPECT_EQ(RecordText(68, 16), "0.03.00");
    EXPECT_EQ(RecordText(84, 32), "Dovrink developers");
}

TEST_F(Frame, RegistersWithItsOwnModuleHandle) {
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 1);
    EXPECT_EQ(Calls.RegisteredHandle, plugin.Module);
    EXPECT_EQ(GetModuleHandleA("dovrink"), plugin.Module);
}

TEST_F(Frame, QuietEntryPointsCallNothingAndShowNothing) {
    PluginUnderTest plugin;
    ASSERT_EQ(plugin.Init(), 1);
    const HostCalls before = Calls;
    BoxAnswerer boxes;
    plugin.OnActivate(1, 0xFFFFFFFF, 0);
    plugin.OnNewPostmanInstance(7);
    plugin.OnDeletePostmanInstance(0xFFFFFFFF);
    EXPECT_EQ(Calls.BodyLengthCalls, before.BodyLengthCalls);
    EXPECT_EQ(Calls.BodyTextSizes, before.BodyTextSizes);
    EXPECT_EQ(Calls.Registrations, before.Registrations);
    EXPECT_TRUE(boxes.Shown().empty());
}

} // namespace
