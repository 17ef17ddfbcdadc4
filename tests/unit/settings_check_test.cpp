// The mistakes found in settings files as readers write them, in code page 932.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "diagnosis/settings_check.h"
#include "diagnosis/words.h"
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

// What a reader is told of each mistake, in both languages: the line not read and why, the
// section missing or misspelt, the file saved under another name or in another folder, a
// character the code page lacks shown as written with the look-alike it holds.
TEST_F(SettingsCheck, TellsEachMistakeInBothLanguages) {
    const struct {
        const char *What;
        std::string File;      // dovrink.ini, UTF-8 as today's editors save it
        const char *Elsewhere; // a file the reader saved instead, in the host's folder
        std::string English;
        std::string Japanese;
    } cases[] = {
        {"the IME's full-width equals sign", SettingsText({"[dovrink]", "keyword0＝◆◆今週の話題"}),
         nullptr,
         "line 2 of the settings file, \"keyword0＝◆◆今週の話題\", is not read: its \"＝\" is the "
         "full-width one; write \"=\" in half-width.",
         "設定ファイルの 2 行目 \"keyword0＝◆◆今週の話題\" は読まれません。「＝」が全角です。"
         "半角の「=」で書いてください。"},
        {"a key in full-width letters",
         SettingsText({"[dovrink]", "ｋｅｙｗｏｒｄ２=◆◆今週の話題"}), nullptr,
         "line 2 of the settings file, \"ｋｅｙｗｏｒｄ２=◆◆今週の話題\", is not read: its key is "
         "written in full-width letters or digits; write it in half-width.",
         "設定ファイルの 2 行目 \"ｋｅｙｗｏｒｄ２=◆◆今週の話題\" は読まれません。キーの名前が"
         "全角で書かれています。半角で書いてください。"},
        {"a key the plugin does not read", SettingsText({"[dovrink]", "keyward0=◆◆今週の話題"}),
         nullptr,
         "line 2 of the settings file, \"keyward0=◆◆今週の話題\", is not read: its key is none "
         "that the plugin reads (keyword0 to keyword8, separator, line).",
         "設定ファイルの 2 行目 \"keyward0=◆◆今週の話題\" は読まれません。プラグインが読むキー "
         "(keyword0～keyword8、separator、line) ではありません。"},
        {"a setting above the section",
         SettingsText({"keyword1=◆◆新刊", "[dovrink]", "keyword0=◆◆今週の話題"}), nullptr,
         "line 1 of the settings file, \"keyword1=◆◆新刊\", is not read: it stands above the "
         "[dovrink] line, or under another [ ] line; move it below the [dovrink] line.",
         "設定ファイルの 1 行目 \"keyword1=◆◆新刊\" は読まれません。[dovrink] の行より上か、"
         "別の [ ] の行の下にあります。[dovrink] の行より下に移してください。"},
        {"no section at all, told once", SettingsText({"keyword0=◆◆今週の話題"}), nullptr,
         "the settings file has no [dovrink] line, so nothing in it is read: write [dovrink] on a "
         "line of its own above the settings.",
         "設定ファイルに [dovrink] の行がないため、何も読まれません。設定の上に [dovrink] とだけ"
         "書いた行を入れてください。"},
        {"a misspelt section", SettingsText({"[Dovlink]", "keyword0=◆◆今週の話題"}), nullptr,
         "the settings file has no [dovrink] line, so nothing in it is read: its line 1, "
         "\"[Dovlink]\", comes close; write it [dovrink].",
         "設定ファイルに [dovrink] の行がないため、何も読まれません。1 行目の \"[Dovlink]\" を "
         "[dovrink] に直してください。"},
        {"a wave dash that code page 932 lacks", SettingsText({"[dovrink]", "keyword0=〜お知らせ"}),
         nullptr,
         "keyword0 is written \"〜お知らせ\", which holds 〜 (U+301C): code page 932 has no place "
         "for it, so keyword0 never matches a mail. Write ～ (U+FF5E) in its place, which looks "
         "like it and which code page 932 holds.",
         "keyword0 は \"〜お知らせ\" と書かれていますが、Shift_JIS (コードページ 932) にない文字 "
         "〜 (U+301C) があるため、メールと一致することはありません。代わりに、よく似ていて "
         "Shift_JIS (コードページ 932) にある ～ (U+FF5E) を使ってください。"},
        {"saved by Notepad with .txt added", "", "plugins\\dovrink.ini.txt",
         "there is no settings file, but {1} is: Notepad added \".txt\" to its name. Rename it "
         "dovrink.ini.",
         "設定ファイルがなく、{1} があります (メモ帳が「.txt」を付けました)。名前を dovrink.ini "
         "に変えてください。"},
        {"saved in the mail client's folder", "", "dovrink.ini",
         "there is no settings file, but {1} is, in the mail client's own folder: move it into the "
         "plugins folder.",
         "設定ファイルがなく、メールソフト本体のフォルダーに {1} があります。plugins フォルダーに"
         "移してください。"},
    };
    for (const auto &test : cases) {
        WriteSettings(HostFolder(), test.File);
        PluginSettings settings;
        LoadSettings(settings);
        char path[SettingsPathSize];
        ASSERT_TRUE(KeywordFilePath(path));
        // The file saved elsewhere, named as the plugin names its own settings file.
        const std::string plugin = path;
        const std::string named =
            test.Elsewhere == nullptr
                ? ""
                : plugin.substr(0, plugin.rfind(SettingsFileInPlugins)) + test.Elsewhere;
        const std::string elsewhere =
            named.empty() ? ""
                          : HostFolder() + "/" + (test.Elsewhere[0] == 'p' ? "plugins/" : "") +
                                named.substr(named.find_last_of("\\/") + 1);
        if (!elsewhere.empty()) {
            std::ofstream(elsewhere) << SettingsText({"[dovrink]", "keyword0=◆◆今週の話題"});
        }
        SettingsFindings findings;
        CheckSettings(path, RelativeSettingsPath, settings, findings);
        EXPECT_EQ(findings.Count, 1) << test.What;
        for (int i = 0; i < findings.Count && i < 1; ++i) {
            EXPECT_EQ(DescribeMistake(WordsFor(1252), findings.Items[i], settings, 932),
                      Fill(test.English.c_str(), {named}))
                << test.What;
            EXPECT_EQ(DescribeMistake(WordsFor(932), findings.Items[i], settings, 932),
                      Fill(test.Japanese.c_str(), {named}))
                << test.What;
        }
        if (!elsewhere.empty()) {
            std::remove(elsewhere.c_str());
        }
    }
}

} // namespace
