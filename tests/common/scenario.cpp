#include "scenario.h"

#include <gtest/gtest.h>

#include "plugin_under_test.h"
#include "test_host.h"

namespace {

std::string Joined(const std::vector<std::string> &lines) {
    std::string text;
    for (const std::string &line : lines) {
        text += line + "\r\n";
    }
    return text;
}

} // namespace

std::string SettingsText(const std::vector<std::string> &lines) { return Joined(lines); }

std::string Body(const std::vector<std::string> &lines) { return Joined(lines); }

std::vector<ShownBox> ViewOnce(const std::string &body, std::vector<int> answers) {
    PluginUnderTest plugin;
    EXPECT_EQ(plugin.Init(), 1);
    SetMessageOnView(body);
    BoxAnswerer boxes(std::move(answers));
    plugin.OnUpdateView();
    return boxes.Shown();
}

void ScenarioTest::SetUp() {
    ResetHost();
    WriteSettings(HostFolder(), "");
}

void ScenarioTest::TearDown() { WriteSettings(HostFolder(), ""); }

void ScenarioTest::Arrange(UINT codePage, const std::vector<std::string> &settings) {
    UseCodePage(codePage);
    ResetHost();
    WriteSettings(HostFolder(), SettingsText(settings));
}
