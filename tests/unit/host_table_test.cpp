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
        EXPECT_EQ(ResolveHostApi(), c.filled == HostFunctionCount) << c.missing;
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

// The exports of a linker file, one per line of a .def file's EXPORTS, or each name of a .list
// file's braces; comments left out.
std::vector<std::string> ExportsIn(const std::string &file) {
    std::ifstream in(std::string(DOVRINK_SOURCE_DIR) + "/" + file);
    std::stringstream text;
    text << in.rdbuf();
    const std::string content = std::regex_replace(text.str(), std::regex(R"(/\*[^*]*\*/)"), "");
    const bool def = file.size() > 4 && file.compare(file.size() - 4, 4, ".def") == 0;
    const std::regex entry(def ? R"( *(\S[^\n]*\S))" : R"(([A-Za-z_]\w*);)");
    std::vector<std::string> exports;
    for (std::sregex_iterator it(content.begin(), content.end(), entry), end; it != end; ++it) {
        if ((*it)[1] != "EXPORTS") {
            exports.push_back((*it)[1]);
        }
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

TEST(HostExportFiles, ExportTheListedFunctionsInOrder) {
#define DOVRINK_DEF_LINE(name, result, parameters, bytes) #name " = Host" #name "@" #bytes,
    const std::vector<std::string> names(std::begin(HostFunctionNames),
                                         std::end(HostFunctionNames));
    const std::vector<std::string> defLines = {DOVRINK_HOST_FUNCTIONS(DOVRINK_DEF_LINE)};
#undef DOVRINK_DEF_LINE
    const struct {
        const char *file;
        int leftOut; // 0 none, 1 the first, 2 the last
        const char *extra;
    } cases[] = {
        {"tests/wine/host.def", 0, nullptr},
        {"tests/wine/host_without_first.def", 1, nullptr},
        {"tests/wine/host_without_last.def", 2, nullptr},
        {"preview/host_exports.list", 0, "DovrinkWatchBox"},
        {"tests/preview/host_without_first.list", 1, nullptr},
        {"tests/preview/host_without_last.list", 2, nullptr},
    };
    for (const auto &c : cases) {
        const bool def = std::strstr(c.file, ".def") != nullptr;
        std::vector<std::string> expected = Expected(def ? defLines : names, c.leftOut);
        if (c.extra != nullptr) {
            expected.emplace_back(c.extra);
        }
        EXPECT_EQ(ExportsIn(c.file), expected) << c.file;
    }
}

} // namespace
