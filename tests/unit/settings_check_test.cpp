// The mistakes found in settings files as readers write them, in code page 932.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnosis/settings_check.h"
#include "scenario.h"
#include "settings/settings.h"

namespace {

class SettingsCheck : public ScenarioTest {
  protected:
    void SetUp() override { Arrange(932, {}); }

    // Each finding as "key mistake number", in the order found.
    static std::vector<std::string> FindingsFor(const std::string &file) {
        WriteSettings(HostFolder(), file);
        PluginSettings settings;
        LoadSettings(settings);
        char path[SettingsPathSize];
        EXPECT_TRUE(KeywordFilePath(path));
        SettingsFindings findings;
        CheckSettings(path, RelativeSettingsPath, settings, findings);
        std::vector<std::string> found;
        for (int i = 0; i < findings.Count; ++i) {
            const SettingsFinding &finding = findings.Items[i];
            found.push_back(std::string(finding.Key) + " " +
                            std::to_string(static_cast<int>(finding.Mistake)) + " " +
                            std::to_string(finding.Number));
        }
        return found;
    }
};

// "◆◆今週の話題" in Shift_JIS and in UTF-8.
const std::string ShiftJis = "\x81\x9F\x81\x9F\x8D\xA1\x8F\x54\x82\xCC\x98\x62\x91\xE8";
const std::string Utf8 = "◆◆今週の話題";

std::string Mistake(const char *key, SettingsMistake mistake, long number = 0) {
    return std::string(key) + " " + std::to_string(static_cast<int>(mistake)) + " " +
           std::to_string(number);
}

TEST_F(SettingsCheck, FindsTheUsualMistakesInOrder) {
    const struct {
        const char *what;
        std::string file;
        std::vector<std::string> expected;
    } cases[] = {
        {"well made", SettingsText({"[dovrink]", "keyword0=" + ShiftJis, "separator=---"}), {}},
        {"no file", "", {}},
        {"short keyword, a key past keyword8, a number written with two digits",
         SettingsText({"[dovrink]", "keyword0=abcd", "keyword1=" + ShiftJis, "KEYWORD9=x",
                       "keyword08=y", "keywords=z"}),
         {Mistake("keyword0", SettingsMistake::NoCaption),
          Mistake("KEYWORD9", SettingsMistake::NeverRead),
          Mistake("keyword08", SettingsMistake::NeverRead)}},
        {"too few lines",
         SettingsText({"[dovrink]", "line=3"}),
         {Mistake("line", SettingsMistake::FewPageLines, 3)}},
        {"UTF-8 with a character beyond the code page",
         SettingsText({"[dovrink]", "keyword0=" + Utf8 + "😀", "keyword1=" + Utf8, "separator=🌟"}),
         {Mistake("keyword0", SettingsMistake::BeyondCodePage, 0x1F600),
          Mistake("separator", SettingsMistake::BeyondCodePage, 0x1F31F)}},
        {"a UTF-8 mark over Shift_JIS",
         "\xEF\xBB\xBF" + SettingsText({"[dovrink]", "keyword0=" + ShiftJis}),
         {Mistake("keyword0", SettingsMistake::MarkOverOther)}},
        {"UTF-8 in a file that is not UTF-8 throughout",
         SettingsText({"; " + ShiftJis, "[dovrink]", "keyword0=" + Utf8}),
         {Mistake("keyword0", SettingsMistake::Utf8InAnsiFile)}},
        {"bytes that are not text",
         SettingsText({"[dovrink]", "keyword0=" + ShiftJis + "\x81\x7F"}),
         {Mistake("keyword0", SettingsMistake::NotText)}},
    };
    for (const auto &test : cases) {
        EXPECT_EQ(FindingsFor(test.file), test.expected) << test.what;
    }
}

} // namespace
