// The headings of an issue read from its whole structure, on small issues each laid out the way
// real newsletters do something that a line's own look misreads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "diagnosis/issue_layout.h"
#include "diagnosis/text_lines.h"
#include "platform/lead_bytes.h"
#include "scenario.h"

namespace {

struct LayoutCase {
    const char *What;
    std::vector<const char *> Lines; // UTF-8, the first holding the issue marker
    std::vector<size_t> Headings;    // the lines a reader takes for the sections' headings
};

const LayoutCase Cases[] = {
    {"items framed otherwise than the headings, which a table of contents names",
     {"Weekly Vesk 第1号",
      "━━━━━━━",
      "【1】お知らせ",
      "【2】本の紹介",
      "",
      "◆◇━━━━━",
      "【1】お知らせ",
      "━━━━━━━",
      "┏━━━━━━",
      "┃館内の工事",
      "┗━━━━━━",
      "工事をします。",
      "",
      "◆◇━━━━━",
      "【2】本の紹介",
      "━━━━━━━",
      "┏━━━━━━",
      "┃冬の星座",
      "┗━━━━━━",
      "星の本です。",
      ""},
     {7, 15}},
    {"a table of contents framed by the headings' own rule",
     {"Weekly Vesk 第2号", "━━━━━━━", "1. ごあいさつ", "2. 今週の話題", "━━━━━━━", "1. ごあいさつ",
      "━━━━━━━", "新しい年です。", "", "━━━━━━━", "2. 今週の話題", "━━━━━━━",
      "倉庫が工房になります。", ""},
     {6, 11}},
    {"headings after empty lines, items of another mark within them",
     {"Weekly Vesk 第3号", "", "★例会報告", "", "日時: 十一月", "", "☆講話の要旨", "",
      "昔の日記の話でした。", "", "★山行", "", "☆十一月の報告", "", "峠を歩きました。", ""},
     {3, 11}},
    {"fields that repeat in every section make no table of contents",
     {"Weekly Vesk 第4号",
      "目次",
      "1.公開講座",
      "2.市民開放授業",
      "----------",
      "1.公開講座",
      "■光のふしぎ",
      "【日時】5月17日(土)",
      "【会場】本館",
      "【定員】20名",
      "",
      "■プログラミング体験",
      "【日時】6月7日(土)",
      "【会場】本館",
      "【定員】20名",
      "----------",
      "2.市民開放授業",
      "【日時】通年",
      "【会場】本館",
      ""},
     {6, 17}},
    {"a section of one line of text is no framed heading",
     {"Weekly Vesk 第5号", "━━━━━━━", "◆◆今週の話題", "工房の名前が決まりました。", "━━━━━━━",
      "◆◆催し物", "12月21日 研ぎ方の会", "━━━━━━━", "### Tips", "Oil the blade.", "━━━━━━━"},
     {3, 6, 9}},
    {"two kinds of sections, framed and under a rule",
     {"Weekly Vesk 第6号", "＝＝＝＝＝", "◇◆ 今週の話題 ◆◇", "＝＝＝＝＝", "雪の朝のこと。",
      "＝＝＝＝＝", "◇◆ 新刊案内 ◆◇", "＝＝＝＝＝", "星の本です。", "─────", "【１】催し物",
      "書き初めの会。", "─────", "【２】読者の声", "お便りです。", "─────"},
     {3, 7, 11, 14}},
    {"a border down every line, headings set in a rule, items under them",
     {"Weekly Vesk 第7号",
      "┃",
      "┃お知らせ━━━━━━━━",
      "",
      "┃■工作の会",
      "┃ 日時:土曜",
      "┃",
      "┃■読書の会",
      "┃ 日時:日曜",
      "┃",
      "",
      "┃募集━━━━━━━━",
      "",
      "┃■受付の係",
      "┃ 毎週水曜",
      "┃",
      "┃■片付けの係",
      "┃ 毎週金曜",
      "┃",
      "",
      "┃助成金━━━━━━━━",
      "",
      "┃■居場所づくり",
      "┃ 締切:月末"},
     {3, 12, 21}},
    {"an ellipsis between words is no rule",
     {"Weekly Vesk 第8号", "", "■お知らせ", "総会のお知らせです。", "", "◇総会・・・延期します", "",
      "■催し物", "遠足の案内です。", "", "◇遠足・・・雨なら中止", "", "■編集後記",
      "寒くなりました。"},
     {3, 8, 13}},
    {"marks doubled for the sections and single for items, which entries set in deeper name",
     {"Weekly Vesk 第9号",
      "<目次>",
      " ▽休館のお知らせ",
      " ▽催し",
      "      ・工作の会",
      "      ・読書の会",
      " ▽今年の話題",
      "",
      "■■休館のお知らせ",
      "年末は休みます。",
      "",
      "---┤催し├---",
      "■工作の会",
      "土曜です。",
      "",
      "■読書の会",
      "日曜です。",
      "",
      "■■今年の話題",
      "十大ニュースです。",
      ""},
     {9, 12, 19}},
    {"two styles of heading in turn, which the table of contents lists alike",
     {"■Weekly Vesk 第10号もくじ",
      " ◇催しの暦",
      " ◇学長のことば",
      " ◇大学の便り",
      " ◇学生の声",
      "",
      "□・・・・催しの暦・・・・・・・・",
      "▽三月の暦",
      "",
      "◆◇◆◇◆◇⇒《学長のことば》",
      "",
      "春が来ました。",
      "",
      "□・・・・大学の便り・・・・・・・・",
      "▽図書館の展示",
      "",
      "◆◇◆◇◆◇⇒《学生の声》",
      "",
      "実習を終えました。",
      ""},
     {7, 10, 14, 17}},
};

class Layout : public ScenarioTest {};

TEST_F(Layout, ReadsTheSectionsHeadings) {
    Arrange(932, {"[dovrink]"});
    LoadLeadBytes();
    for (const LayoutCase &row : Cases) {
        std::vector<std::string> lines;
        for (const char *line : row.Lines) {
            lines.push_back(TextOf(CP_ACP, WideOf(CP_UTF8, line)));
        }
        const std::string text = Body(lines);
        EXPECT_EQ(ReadLayout(text, LinesOf(text)).Headings, row.Headings) << row.What;
    }
}

} // namespace
