// The host table and initialisation against hosts that lack exports, and the registration record
// where the system lets the plugin down: no handle at load, strings too long or missing.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <regex>
#include <sstream>

#include "fake_system.h"
#include "host/host_api.h"
#include "message_boxes.h"
#include "plugin/entry_points.h"
#include "plugin/module_state.h"
#include "plugin_under_test.h"
#include "scenario.h"
#include "test_host.h"

namespace {

class HostTable : public ScenarioTest {
  protected:
    void SetUp() override {
        ResetFakeSystem();
        ScenarioTest::SetUp();
    }
    void TearDown() override {
        ResetFakeSystem();
        ScenarioTest::TearDown();
    }
};

std::vector<bool> FilledSlots() {
#define DOVRINK_FILLED(name, result, parameters, bytes) HostApi.name != nullptr,
    return {DOVRINK_HOST_FUNCTIONS(DOVRINK_FILLED)};
#undef DOVRINK_FILLED
}

TEST_F(HostTable, LookupStopsAtTheFirstMissingName) {
    const struct {
        const char *missing;
        size_t filled;
    } cases[] = {{"", 10}, {"AppendMenu", 0}, {"GetBodyText", 7}, {"GetVersion", 9}};
    for (const auto &c : cases) {
        System.MissingExports = {c.missing};
        PluginUnderTest plugin;
        EXPECT_EQ(ResolveHostApi(HostApi), c.filled == HostFunctionCount) << c.missing;
        std::vector<bool> expected(HostFunctionCount, false);
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

// The exports of a linker file as the build made it: one per line of a .def file's EXPORTS, or
// each name of a version script or dynamic list.
std::vector<std::string> ExportsIn(const std::string &file) {
    std::ifstream in(std::string(DOVRINK_LINKER_FILES) + "/" + file);
    std::stringstream text;
    text << in.rdbuf();
    const std::string content = text.str();
    const bool def = file.size() > 4 && file.compare(file.size() - 4, 4, ".def") == 0;
    const std::regex entry(def ? R"(\n {4}(\S[^\n]*\S))" : R"(([A-Za-z_]\w*);)");
    std::vector<std::string> exports;
    for (std::sregex_iterator it(content.begin(), content.end(), entry), end; it != end; ++it) {
        exports.push_back((*it)[1]);
    }
    return exports;
}

// What a file exports when it leaves out the first or the last host function, or neither.
std::vector<std::string> Expected(const std::vector<std::string> &all, int leftOut) {
    std::vector<std::string> kept = all;
    if (leftOut == 1) {
        kept.erase(kept.begin());
    } else if (leftOut == 2) {
        kept.pop_back();
    }
    return kept;
}

TEST(LinkerFiles, ExportTheListedFunctionsInOrder) {
    // The host functions as plugins look them up, stated here and not taken from their list: in
    // this order, each exported by a test host from its function named with "Host" in front, a
    // __stdcall function with these bytes of arguments.
    const std::vector<std::string> hostNames = {
        "AppendMenu",          "DeleteMenu",    "GetMainWindow",     "GetPostmanWindow",
        "GetHeaderTextLength", "GetHeaderText", "GetBodyTextLength", "GetBodyText",
        "RegisterPluginInfo",  "GetVersion",
    };
    const std::vector<std::string> hostLines = {
        "AppendMenu = HostAppendMenu@0",
        "DeleteMenu = HostDeleteMenu@0",
        "GetMainWindow = HostGetMainWindow@0",
        "GetPostmanWindow = HostGetPostmanWindow@0",
        "GetHeaderTextLength = HostGetHeaderTextLength@0",
        "GetHeaderText = HostGetHeaderText@8",
        "GetBodyTextLength = HostGetBodyTextLength@0",
        "GetBodyText = HostGetBodyText@8",
        "RegisterPluginInfo = HostRegisterPluginInfo@8",
        "GetVersion = HostGetVersion@0",
    };
    // The entry points as hosts find them, stated here and not taken from their list: the
    // ordinals 1 to 7 in this order, undecorated names of __stdcall functions with these bytes
    // of arguments.
    const std::vector<std::string> entryLines = {
        "OmbrelPlugin_Init = OmbrelPlugin_Init@0 @1",
        "OmbrelPlugin_Exit = OmbrelPlugin_Exit@0 @2",
        "OmbrelPlugin_OnUpdateView = OmbrelPlugin_OnUpdateView@0 @3",
        "OmbrelPlugin_OnActivate = OmbrelPlugin_OnActivate@12 @4",
        "OmbrelPlugin_OnNewPostmanInstance = OmbrelPlugin_OnNewPostmanInstance@4 @5",
        "OmbrelPlugin_OnDeletePostmanInstance = OmbrelPlugin_OnDeletePostmanInstance@4 @6",
        "OmbrelPlugin_GetPluginVersion = OmbrelPlugin_GetPluginVersion@0 @7",
    };
    const std::vector<std::string> entryNames = {
        "OmbrelPlugin_Init",
        "OmbrelPlugin_Exit",
        "OmbrelPlugin_OnUpdateView",
        "OmbrelPlugin_OnActivate",
        "OmbrelPlugin_OnNewPostmanInstance",
        "OmbrelPlugin_OnDeletePostmanInstance",
        "OmbrelPlugin_GetPluginVersion",
        "DovrinkInspection",
    };
    const struct {
        const char *file;
        const std::vector<std::string> &all;
        int leftOut; // 0 none, 1 the first, 2 the last
        const char *extra;
    } cases[] = {
        {"dovrink.def", entryLines, 0, nullptr},
        {"dovrink.map", entryNames, 0, nullptr},
        {"host.def", hostLines, 0, nullptr},
        {"host_without_first.def", hostLines, 1, nullptr},
        {"host_without_last.def", hostLines, 2, nullptr},
        {"host_exports.list", hostNames, 0, "DovrinkWatchBox"},
        {"host_without_first.list", hostNames, 1, "DovrinkWatchBox"},
        {"host_without_last.list", hostNames, 2, "DovrinkWatchBox"},
    };
    for (const auto &c : cases) {
        std::vector<std::string> expected = Expected(c.all, c.leftOut);
        if (c.extra != nullptr) {
            expected.emplace_back(c.extra);
        }
        EXPECT_EQ(ExportsIn(c.file), expected) << c.file;
    }
}

} // namespace
