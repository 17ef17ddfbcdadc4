// What LoadSettings makes of a settings file, read through the POSIX stand-ins.
#include <gtest/gtest.h>

#include <cstdlib>

#include "fake_system.h"
#include "platform/posix/environment.h"
#include "plugin_under_test.h"
#include "scenario.h"
#include "settings/settings.h"
#include "settings/settings_text.h"
#include "settings_record.h"

namespace {

class SettingsFile : public ScenarioTest {
  protected:
    void SetUp() override {
        ScenarioTest::SetUp();
        UseCodePage(932);
        ResetModuleState();
    }

    void Load(const std::vector<std::string> &lines) {
        WriteSettings(HostFolder(), SettingsText(lines));
        LoadSettings(Read);
    }

    PluginSettings Read;
};

TEST_F(SettingsFile, WithoutAFileTheDefaultsHold) {
    LoadSettings(Read);
    EXPECT_TRUE(KeywordsOf(Read).empty());
    EXPECT_EQ(std::string(Read.SeparatorText), "\n=========");
    EXPECT_EQ(Read.PageLines, 30);
}

TEST_F(SettingsFile, EscapesBecomeLineBreaksEvenAfterADoubleByteCharacter) {
    // "表" is 0x95 0x5C: its second byte and a following "n" make an escape too.
    Load({"[dovrink]", "keyword0=A\\nB", "keyword1=\\nA\\n\\nB\\", "keyword2=\x95\x5Cn\x95\x5C",
          "separator=a\\nb"});
    EXPECT_EQ(KeywordsOf(Read),
              (std::vector<std::string>{"A\r\nB", "\r\nA\r\n\r\nB\\", "\x95\r\n\x95\x5C"}));
    EXPECT_EQ(std::string(Read.SeparatorText), "\na\\nb") << "the separator is not unescaped";
}

TEST_F(SettingsFile, ValuesAreCutTo253Bytes) {
    Load({"[dovrink]", "keyword0=" + std::string(300, 'k'), "separator=" + std::string(300, 's')});
    EXPECT_EQ(KeywordsOf(Read), std::vector<std::string>{std::string(253, 'k')});
    EXPECT_EQ(std::string(Read.SeparatorText), "\n" + std::string(253, 's'));
}

TEST_F(SettingsFile, LoadingAgainReplacesTheKeywords) {
    Load({"[dovrink]", "keyword0=first", "keyword8=last", "keyword9=never"});
    LoadSettings(Read);
    EXPECT_EQ(KeywordsOf(Read), (std::vector<std::string>{"first", "last"}));
}

TEST_F(SettingsFile, HostPathTooLongForTheFileNameMeansNoKeywords) {
    Load({"[dovrink]", "keyword0=from the host folder", "line=7"});
    const std::string saved = std::getenv(HostDirVariable);
    // 491 gives a folder of 493 bytes with both backslashes: the host's path fits the buffer, the
    // folder with "plugins\dovrink.ini" and a terminator (513 bytes) does not. 600 cuts the path.
    for (const size_t length : {491, 600}) {
        setenv(HostDirVariable, ("/" + std::string(length, 'x')).c_str(), 1);
        ResetModuleState();
        LoadSettings(Read);
        EXPECT_TRUE(KeywordsOf(Read).empty()) << length;
        EXPECT_EQ(Read.PageLines, 7) << "the current directory's file is still read";
    }
    setenv(HostDirVariable, saved.c_str(), 1);
}

} // namespace

// What /setup and the advice write is what the plugin reads back: each value as the plugin holds
// it, written by the settings file's own writer, then read by LoadSettings from that file.
TEST_F(SettingsFile, WrittenValuesReadBackUnchanged) {
    const struct {
        const char *Value;
        const char *Written;
        bool ReadsBack; // a backslash before "n" cannot be written: it reads as a line break
    } cases[] = {
        {"\x81\xA1 Topics", "\x81\xA1 Topics", true},
        {"\r\n\x81\x79Weekly\x81\x7A", "\\n\x81\x79Weekly\x81\x7A", true},
        {" leading blank", "\" leading blank\"", true},
        {"trailing tab\t", "\"trailing tab\t\"", true},
        {"\"quoted\"", "\"\"quoted\"\"", true},
        {"'single'", "\"'single'\"", true},
        {"C:\\new", "C:\\new", false},
    };
    std::vector<std::string> values;
    for (const auto &c : cases) {
        EXPECT_EQ(WrittenValue(c.Value), c.Written) << c.Value;
        EXPECT_EQ(ReadBackValue(c.Written) == c.Value, c.ReadsBack) << c.Value;
        values.emplace_back(c.Value);
    }
    WriteSettings(HostFolder(), SettingsFileText({"made by a test"}, values, " - ", 12));
    LoadSettings(Read);
    for (size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(Read.Keywords[i] == values[i], cases[i].ReadsBack) << values[i];
    }
    EXPECT_EQ(std::string(Read.SeparatorText), "\n - ");
    EXPECT_EQ(Read.PageLines, 12);
}
