// The advice on issues as Japanese newsletters lay them out, in both languages, each fix then
// made in the settings file and shown by the plugin's own view update: the boxes it shows with
// every fix of a row must bear the row's captions and hold its text.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "diagnosis/text_advice.h"
#include "diagnosis/text_lines.h"
#include "diagnosis/words.h"
#include "platform/ansi_text.h"
#include "platform/lead_bytes.h"
#include "scenario.h"
#include "settings/settings.h"

namespace {

std::string Utf8(const std::string &ansi) { return Utf8OfAnsi(ansi); }

// An issue of tests/issues, saved from the mail client in code page 932.
std::string Issue(const char *name) {
    std::ifstream file(std::string(DOVRINK_TEST_ISSUES) + "/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

struct Box {
    std::string Caption; // UTF-8
    std::string Holds;   // a piece of its text
};

struct AdviceCase {
    const char *What;
    const char *Issue;
    std::vector<std::string> Settings; // the lines of dovrink.ini, UTF-8
    std::vector<std::string> English;
    std::vector<std::string> Japanese;
    // The boxes that the plugin shows once every fix is made, in the order shown.
    std::vector<Box> Fixed;
};

const std::string Framed = "━━━━━━━━━━━━━━━━━━━━";

const AdviceCase Cases[] = {
    {"a heading of one full-width mark loses a letter",
     "marks.txt",
     {"keyword0=【今週の話題】", "separator=-----"},
     {"keyword0 \"【今週の話題】\" (line 3): the box caption is the keyword less its first 4 "
      "bytes, \"週の話題】\", which starts inside the heading. Write keyword0=\\n【今週の話題】 "
      "instead: the same heading is found, and the caption is \"今週の話題】\"."},
     {"keyword0 \"【今週の話題】\" (3 行目): ボックスの題名はキーワードの先頭 4 バイトを除いた "
      "\"週の話題】\" になり、見出しの途中から始まります。代わりに keyword0=\\n【今週の話題】 と"
      "書くと、同じ見出しが見つかり、題名は \"今週の話題】\" になります。"},
     {{"今週の話題】", "駅前の広場"}}},
    {"a caption that starts inside a character",
     "marks.txt",
     {"keyword1=◆ 新刊案内 ◆", "separator=-----"},
     {"keyword1 \"◆ 新刊案内 ◆\" (line 7): the box caption is the keyword less its first 4 "
      "bytes, \"V刊案内 ◆\", which starts inside the heading. Write keyword1=\\n◆ 新刊案内 ◆ "
      "instead: the same heading is found, and the caption is \" 新刊案内 ◆\"."},
     {"keyword1 \"◆ 新刊案内 ◆\" (7 行目): ボックスの題名はキーワードの先頭 4 バイトを除いた "
      "\"V刊案内 ◆\" になり、見出しの途中から始まります。代わりに keyword1=\\n◆ 新刊案内 ◆ と"
      "書くと、同じ見出しが見つかり、題名は \" 新刊案内 ◆\" になります。"},
     {{" 新刊案内 ◆", "写真集"}}},
    {"full-width kana in the settings, half-width in the mail",
     "marks.txt",
     {"keyword0=■ニュース", "separator=-----"},
     {"keyword0 \"■ニュース\" is not in the text as written, but line 13 has \"■ﾆｭｰｽ\": write "
      "keyword0=\\n■ﾆｭｰｽ (caption \"ﾆｭｰｽ\")."},
     {"keyword0 \"■ニュース\" はそのままでは見つかりませんが、13 行目に \"■ﾆｭｰｽ\" があります。"
      "keyword0=\\n■ﾆｭｰｽ と書いてください (題名 \"ﾆｭｰｽ\")。"},
     {{"ﾆｭｰｽ", "窓口の時間"}}},
    {"a full-width space after the keyword",
     "marks.txt",
     {"keyword0=＜催し物＞　", "separator=-----"},
     {"keyword0 \"＜催し物＞　\" is not in the text as written, but line 10 has \"＜催し物＞\": "
      "write keyword0=\\n＜催し物＞ (caption \"催し物＞\")."},
     {"keyword0 \"＜催し物＞　\" はそのままでは見つかりませんが、10 行目に \"＜催し物＞\" が"
      "あります。keyword0=\\n＜催し物＞ と書いてください (題名 \"催し物＞\")。"},
     {{"催し物＞", "大掃除"}}},
    {"a box-drawing rule in the settings, dashes in the mail",
     "marks.txt",
     {"keyword0=──── 編集後記", "separator======"},
     {"keyword0 \"──── 編集後記\" is not in the text as written, but line 16 has "
      "\"―――― 編集後記\": write keyword0=―――― 編集後記 (caption \"―― 編集後記\")."},
     {"keyword0 \"──── 編集後記\" はそのままでは見つかりませんが、16 行目に \"―――― 編集後記\" "
      "があります。keyword0=―――― 編集後記 と書いてください (題名 \"―― 編集後記\")。"},
     {{"―― 編集後記", "ありがとう"}}},
    {"a separator longer than the mail's rules",
     "marks.txt",
     {"keyword0=\\n【今週の話題】", "separator=------------------------------------------"},
     {"keyword0 \"\\r\\n【今週の話題】\" (line 3): the separator "
      "\"------------------------------------------\" matches none of the separator lines after "
      "it: \"-----------------------------------\" (35 characters), "
      "\"===================================\" (35 characters). With separator=---, 1 of the 1 "
      "sections found show their text."},
     {"keyword0 \"\\r\\n【今週の話題】\" (3 行目): 区切り "
      "\"------------------------------------------\" は、その後の区切り線 "
      "\"-----------------------------------\" (35 文字)、\"===================================\" "
      "(35 文字) のどれとも一致しません。separator=--- にすると、見つかった 1 個の記事のうち 1 個"
      "が本文付きで表示されます。"},
     {{"今週の話題】", "駅前の広場"}}},
    {"a framed heading shows itself alone",
     "framed.txt",
     {"keyword0=■1. 今週の話題", "keyword1=■2. 新刊案内", "keyword2=■3. 催し物",
      "separator=" + Framed},
     {"keyword0 \"■1. 今週の話題\" (line 10): the separator line comes right after the heading, "
      "so its boxes show the heading alone. With separator=■, 2 of the 3 sections found show "
      "their text.",
      "keyword1 \"■2. 新刊案内\" (line 19): the separator line comes right after the heading, "
      "so its boxes show the heading alone. With separator=■, 2 of the 3 sections found show "
      "their text.",
      "keyword2 \"■3. 催し物\" (line 25): the separator line comes right after the heading, so "
      "its boxes show the heading alone. With separator=■, 2 of the 3 sections found show their "
      "text."},
     {"keyword0 \"■1. 今週の話題\" (10 行目): 見出しのすぐ後に区切り線があるため、ボックスには"
      "見出ししか表示されません。separator=■ にすると、見つかった 3 個の記事のうち 2 個が本文付きで"
      "表示されます。",
      "keyword1 \"■2. 新刊案内\" (19 行目): 見出しのすぐ後に区切り線があるため、ボックスには"
      "見出ししか表示されません。separator=■ にすると、見つかった 3 個の記事のうち 2 個が本文付きで"
      "表示されます。",
      "keyword2 \"■3. 催し物\" (25 行目): 見出しのすぐ後に区切り線があるため、ボックスには"
      "見出ししか表示されません。separator=■ にすると、見つかった 3 個の記事のうち 2 個が本文付きで"
      "表示されます。"},
     {{" 今週の話題", "川沿い"}, {" 新刊案内", "歴史"}}},
    {"a keyword that a table of contents holds first",
     "framed.txt",
     {"keyword0=1. 今週の話題", "separator=" + Framed},
     {"keyword0 \"1. 今週の話題\" stands at lines 5, 10: its boxes show the first, at line 5. To "
      "show the heading at line 10, write keyword0=■1. 今週の話題 (caption \" 今週の話題\").",
      "keyword0 \"1. 今週の話題\" (line 10): the separator line comes right after the heading, "
      "so its boxes show the heading alone. With separator=■, 1 of the 1 sections found show "
      "their text."},
     {"keyword0 \"1. 今週の話題\" は 5、10 行目にあります。ボックスに表示されるのは最初の 5 行目"
      "です。10 行目の見出しを表示するには、keyword0=■1. 今週の話題 と書いてください (題名 "
      "\" 今週の話題\")。",
      "keyword0 \"1. 今週の話題\" (10 行目): 見出しのすぐ後に区切り線があるため、ボックスには"
      "見出ししか表示されません。separator=■ にすると、見つかった 1 個の記事のうち 1 個が本文付きで"
      "表示されます。"},
     {{" 今週の話題", "川沿い"}}},
    {"sections framed by one rule and ended by another",
     "two-rules.txt",
     {"keyword0=◇◆ 今週の話題", "keyword1=【１】催し物", "separator=＝＝＝"},
     {"keyword0 \"◇◆ 今週の話題\" (line 5): the separator line comes right after the heading, "
      "so its boxes show the heading alone. With separator=───, 1 of the 2 sections found show "
      "their text.",
      "keyword1 \"【１】催し物\" (line 14): the separator \"＝＝＝\" matches none of the separator "
      "lines after it: \"───────────────\" (15 characters). With separator=───, 1 of the 2 "
      "sections found show their text."},
     {"keyword0 \"◇◆ 今週の話題\" (5 行目): 見出しのすぐ後に区切り線があるため、ボックスには"
      "見出ししか表示されません。separator=─── にすると、見つかった 2 個の記事のうち 1 個が本文"
      "付きで表示されます。",
      "keyword1 \"【１】催し物\" (14 行目): 区切り \"＝＝＝\" は、その後の区切り線 "
      "\"───────────────\" (15 文字) のどれとも一致しません。separator=─── にすると、見つかった "
      "2 個の記事のうち 1 個が本文付きで表示されます。"},
     {{" 今週の話題", "足あと"}, {"】催し物", "書き初め"}}},
    // The table of contents framed by the headings' own rule: the line above tells them apart.
    {"a keyword that a table of contents framed alike holds first",
     "contents-framed.txt",
     {"keyword0=2. 今週の話題", "separator=━━━"},
     {"keyword0 \"2. 今週の話題\" stands at lines 5, 13: its boxes show the first, at line 5. To "
      "show the heading at line 13, write keyword0=━\\n2. 今週の話題 (caption \"2. 今週の話題\").",
      "keyword0 \"2. 今週の話題\" (line 13): the separator line comes right after the heading, "
      "so its boxes show the heading alone. With separator=\"3. \", 1 of the 1 sections found "
      "show their text."},
     {"keyword0 \"2. 今週の話題\" は 5、13 行目にあります。ボックスに表示されるのは最初の 5 行目"
      "です。13 行目の見出しを表示するには、keyword0=━\\n2. 今週の話題 と書いてください (題名 "
      "\"2. 今週の話題\")。",
      "keyword0 \"2. 今週の話題\" (13 行目): 見出しのすぐ後に区切り線があるため、ボックスには"
      "見出ししか表示されません。separator=\"3. \" にすると、見つかった 1 個の記事のうち 1 個が"
      "本文付きで表示されます。"},
     {{"2. 今週の話題", "川沿い"}}},
    {"a keyword that heads an item inside a section",
     "contents-framed.txt",
     {"keyword0=\\n▼年忘れ木工市", "separator=━━━"},
     {"keyword0 \"\\r\\n▼年忘れ木工市\" (line 21) heads a part inside a section, not one of the "
      "issue's sections: its boxes show that part alone. The issue's sections are headed like line "
      "8."},
     {"keyword0 \"\\r\\n▼年忘れ木工市\" (21 行目) は記事の中の項目の見出しで、号の記事の見出しでは"
      "ありません。ボックスにはその項目だけが表示されます。号の記事の見出しは 8 "
      "行目のような行です。"},
     {{"年忘れ木工市", "公民館"}}},
    {"a keyword found in a section's text",
     "contents-framed.txt",
     {"keyword0=工房だより", "separator=━━━"},
     {"keyword0 \"工房だより\" (line 10) stands in the text of a section, not at a heading: its "
      "boxes start inside the section. The issue's sections are headed like line 8."},
     {"keyword0 \"工房だより\" (10 行目) は記事の本文の中にあり、見出しではありません。ボックスは"
      "記事の途中から始まります。号の記事の見出しは 8 行目のような行です。"},
     {{"だより", "お届け"}}},
};

class TextAdvice : public ScenarioTest {};

// The settings file's lines with each fix of the advice made.
std::vector<std::string> WithFixes(std::vector<std::string> lines,
                                   const std::vector<::TextAdvice> &advice) {
    for (const ::TextAdvice &each : advice) {
        const bool separator =
            each.Kind == AdviceKind::HeadingOnly || each.Kind == AdviceKind::RuleMissed;
        const std::string key = separator ? "separator" : "keyword" + std::to_string(each.Key);
        for (std::string &line : lines) {
            if (!each.Fix.empty() && line.compare(0, key.size() + 1, key + "=") == 0) {
                line = key + "=" + Utf8(each.Fix);
            }
        }
    }
    return lines;
}

TEST_F(TextAdvice, EachLayoutWithItsFixes) {
    for (const AdviceCase &row : Cases) {
        std::vector<std::string> lines = {"[dovrink]"};
        lines.insert(lines.end(), row.Settings.begin(), row.Settings.end());
        Arrange(932, lines);
        LoadLeadBytes();
        PluginSettings settings;
        LoadSettings(settings);
        const std::string text = Issue(row.Issue);
        const std::vector<::TextAdvice> advice = AdviseOnText(text, settings);
        for (const unsigned codePage : {1252u, 932u}) {
            const std::vector<std::string> &expected = codePage == 932 ? row.Japanese : row.English;
            std::vector<std::string> said;
            said.reserve(advice.size());
            for (const ::TextAdvice &each : advice) {
                said.push_back(DescribeAdvice(WordsFor(codePage), each, settings, 0, Utf8));
            }
            EXPECT_EQ(said.size(), expected.size()) << row.What;
            for (size_t i = 0; i < said.size() && i < expected.size(); ++i) {
                EXPECT_EQ(said[i], expected[i]) << row.What;
            }
        }
        Arrange(932, WithFixes(lines, advice));
        const std::vector<ShownBox> boxes = ViewOnce(text);
        EXPECT_EQ(boxes.size(), row.Fixed.size()) << row.What;
        for (size_t i = 0; i < boxes.size() && i < row.Fixed.size(); ++i) {
            EXPECT_EQ(Utf8(boxes[i].Caption), row.Fixed[i].Caption) << row.What;
            EXPECT_NE(Utf8(boxes[i].Text).find(row.Fixed[i].Holds), std::string::npos)
                << row.What << ": " << Utf8(boxes[i].Text);
        }
    }
}

} // namespace
