// The settings made from an issue with piped answers, for each layout that newsletters use, saved
// in Shift_JIS and in UTF-8: the file written is then read by the plugin, which shows every
// chosen section with its text under a whole caption.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "check/checked_body.h"
#include "check/messages.h"
#include "check/setup_dialog.h"
#include "diagnosis/proposal_words.h"
#include "diagnosis/setup_proposal.h"
#include "diagnosis/text_advice.h"
#include "diagnosis/text_lines.h"
#include "diagnosis/words.h"
#include "platform/ansi_text.h"
#include "platform/lead_bytes.h"
#include "scenario.h"
#include "settings/settings_text.h"
#include "test_files.h"

namespace {

std::string Bytes(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// An issue of tests/issues (or the example), as saved from the client in code page 932, or that
// text saved as UTF-8.
std::string IssueFile(const std::string &name, bool utf8) {
    const std::string cp932 = Bytes(std::string(DOVRINK_TEST_ISSUES) + "/" + name);
    return utf8 ? TextOf(CP_UTF8, WideOf(932, cp932)) : cp932;
}

struct Box {
    std::string Caption; // UTF-8
    std::string Holds;
};

class Setup : public ScenarioTest {};

TEST_F(Setup, EachLayoutShowsTheChosenSections) {
    const struct {
        const char *Issue;
        bool Utf8;
        std::vector<std::string> Answers; // sections, separator, lines a box, whether to write
        std::vector<Box> Shown;           // the boxes that the plugin shows with the file written
    } cases[] = {
        {"../../examples/weekly-vesk-42.txt",
         false,
         {"1 4", "", "30", "y"},
         {{"今週の話題", "川沿いの古い倉庫"}, {"Tips", ""}}},
        {"framed.txt",
         true,
         {"A", "", "", "y"},
         {{" 今週の話題", "川沿いの古い倉庫"}, {" 新刊案内", "町の歴史"}}},
        {"marks.txt",
         false,
         {"", "", "", "y"},
         {{"今週の話題】", "駅前の広場"},
          {" 新刊案内", "写真集"},
          {"催し物＞", "大掃除"},
          {"ﾆｭｰｽ", "窓口の時間"}}},
        {"two-rules.txt",
         true,
         {"２　３、4", "", "", "ｙ"},
         {{" 新刊案内", "冬の星"}, {"催し物", "書き初め"}, {"読者の声", "お便り"}}},
        // Layouts of public newsletters and templates: rules of two kinds that begin alike, a
        // mark framing each heading with no rule between sections, a numbered table of contents
        // whose entries are the headings word for word, a topics list that names the headings.
        {"pair-rules.txt",
         false,
         {"", "", "", "y"},
         {{"本日のお題☆", "刃物の手入れ"}, {"予備知識☆", "砥石の番手"}, {"読者の質問から☆", "鉋"}}},
        {"mark-framed.txt",
         true,
         {"a", "", "", "y"},
         {{" 今月の作業", "棚の修理"}, {" 道具の貸し出し", "受付"}}},
        {"numbered-toc.txt",
         false,
         {"", "", "", "y"},
         {{"1.今月の催し", "スプーン"},
          {"2.工房の新しい道具", "帯のこ盤"},
          {"3.読者のひろば", "本棚"}}},
        {"star-topics.txt",
         true,
         {"", "", "", "y"},
         {{"★「手のひらの木工」 森さと子", "栗の木"}, {"★「今月の一冊」 川村潤", "図書館"}}},
    };
    for (const auto &c : cases) {
        Arrange(932, {"[dovrink]"});
        LoadLeadBytes();
        PluginSettings current;
        LoadSettings(current);
        const Messages &say = MessagesFor(932);
        const CheckedBody checked = BodyOfFile(say, "issue.txt", IssueFile(c.Issue, c.Utf8));
        size_t asked = 0;
        const SetupTalk talk = {[](const std::string &) {},
                                [&](const std::string &) {
                                    return asked < c.Answers.size() ? c.Answers[asked++] : "";
                                }};
        const SetupChoice choice = AskSetup(say, {{"issue.txt", checked.Body, checked.Offset}},
                                            current, "dovrink.ini", talk);
        EXPECT_TRUE(choice.Write) << c.Issue;
        WriteSettings(HostFolder(), choice.FileText);
        const std::vector<ShownBox> boxes = ViewOnce(checked.Body);
        std::vector<ShownBox> firsts;
        for (const ShownBox &box : boxes) {
            if (firsts.empty() || box.Caption != firsts.back().Caption) {
                firsts.push_back(box);
            }
        }
        EXPECT_EQ(firsts.size(), c.Shown.size()) << c.Issue << "\n" << choice.FileText;
        for (size_t i = 0; i < firsts.size() && i < c.Shown.size(); ++i) {
            EXPECT_EQ(Utf8OfAnsi(firsts[i].Caption), c.Shown[i].Caption) << c.Issue;
            EXPECT_NE(Utf8OfAnsi(firsts[i].Text).find(c.Shown[i].Holds), std::string::npos)
                << c.Issue << ": " << Utf8OfAnsi(firsts[i].Text);
        }
    }
}

// The proposal in both languages: the sections as their boxes will show them, what to know of
// each, and the separator; two kinds of rule that one separator cannot both cut.
TEST_F(Setup, ProposalInBothLanguages) {
    Arrange(932, {"[dovrink]"});
    LoadLeadBytes();
    PluginSettings current;
    LoadSettings(current);
    const SetupProposal proposal = ProposeSetup({IssueFile("two-rules.txt", false)}, current);
    const ProposalSources sources{{"two-rules.txt"}, {0}};
    EXPECT_EQ(DescribeProposal(WordsFor(1252), proposal, sources, Utf8OfAnsi),
              "  The sections of this issue, with the captions their boxes will show:\n"
              "  1. \" 今週の話題\"  (line 5, 1 box)\n"
              "       with this separator, its boxes run on into the next section\n"
              "  2. \" 新刊案内\"  (line 10, 1 box)\n"
              "  3. \"催し物\"  (line 14, 1 box)\n"
              "       the keyword holds the heading's number １: in an issue that numbers it "
              "otherwise, it is not found\n"
              "  4. \"読者の声\"  (line 17, 1 box)\n"
              "       the keyword holds the heading's number ２: in an issue that numbers it "
              "otherwise, it is not found\n"
              "  Separator: \"───\"; with it, 3 of the 4 sections show their text.\n");
    EXPECT_EQ(DescribeProposal(WordsFor(932), proposal, sources, Utf8OfAnsi),
              "  この号の記事 (ボックスに表示される題名):\n"
              "  1. \" 今週の話題\"  (5 行目、ボックス 1 個)\n"
              "       この区切り線では、次の記事まで続けて表示されます\n"
              "  2. \" 新刊案内\"  (10 行目、ボックス 1 個)\n"
              "  3. \"催し物\"  (14 行目、ボックス 1 個)\n"
              "       キーワードに見出しの番号 １ が入っています。ほかの号で番号が変わると見つかり"
              "ません\n"
              "  4. \"読者の声\"  (17 行目、ボックス 1 個)\n"
              "       キーワードに見出しの番号 ２ が入っています。ほかの号で番号が変わると見つかり"
              "ません\n"
              "  区切り線: \"───\" (このとき 4 個の記事のうち 3 個が本文付きで表示されます)\n");
}

} // namespace

// Several issues of one newsletter, whose numbers shift where an issue lacks a section, with an
// issue of another newsletter among them: the file written shows each chosen section in every
// issue of the newsletter, and the other issue is named as set aside.
TEST_F(Setup, SeveralIssuesWithAnotherNewsletters) {
    Arrange(932, {"[dovrink]"});
    LoadLeadBytes();
    PluginSettings current;
    LoadSettings(current);
    const std::string folder = std::string(DOVRINK_TEST_ISSUES) + "/../newsletters/";
    const std::string issues[] = {
        Bytes(folder + "mus-kagakukan-2006/01.txt"), Bytes(folder + "lib-jla/01.txt"),
        Bytes(folder + "mus-kagakukan-2006/02.txt"), Bytes(folder + "mus-kagakukan-2006/03.txt")};
    std::vector<SetupText> texts;
    for (size_t i = 0; i < 4; ++i) {
        texts.push_back({"issue" + std::to_string(i + 1) + ".txt", issues[i], 0});
    }
    std::string told;
    const std::vector<std::string> answers = {"A", "", "", "y"};
    size_t asked = 0;
    const SetupTalk talk = {
        [&](const std::string &text) { told += text; },
        [&](const std::string &) { return asked < answers.size() ? answers[asked++] : ""; }};
    const SetupChoice choice = AskSetup(MessagesFor(932), texts, current, "dovrink.ini", talk);
    EXPECT_TRUE(choice.Write) << told;
    EXPECT_NE(told.find("渡された 4 号のうち 3 号が同じメールマガジンのもの"), std::string::npos)
        << told;
    EXPECT_NE(told.find("(最初は issue2.txt)"), std::string::npos) << told;
    WriteSettings(HostFolder(), choice.FileText);
    // The sections that each issue of the newsletter shows, by a piece of each one's caption and
    // of its first text; the second issue has no 新着情報.
    const std::vector<std::vector<Box>> shown = {
        {{"新着情報", "理科ボランティア"}, {"科学ばなし", "霧は"}, {"づくり最前線", "椅子"}},
        {{"科学ばなし", ""}, {"づくり最前線", ""}},
        {{"新着情報", ""}, {"科学ばなし", ""}, {"づくり最前線", ""}}};
    const size_t own[] = {0, 2, 3};
    for (size_t k = 0; k < 3; ++k) {
        std::vector<ShownBox> firsts;
        for (const ShownBox &box : ViewOnce(issues[own[k]])) {
            if (firsts.empty() || box.Caption != firsts.back().Caption) {
                firsts.push_back(box);
            }
        }
        ASSERT_GE(firsts.size(), shown[k].size()) << own[k] << "\n" << choice.FileText;
        for (size_t i = 0; i < shown[k].size(); ++i) {
            EXPECT_NE(Utf8OfAnsi(firsts[i].Caption).find(shown[k][i].Caption), std::string::npos)
                << own[k] << ": " << Utf8OfAnsi(firsts[i].Caption);
            EXPECT_NE(Utf8OfAnsi(firsts[i].Text).find(shown[k][i].Holds), std::string::npos)
                << own[k];
        }
    }
}

// The separator advice on a reader's settings and /setup judge separators alike: with the
// keywords that /setup proposes and a separator that ends nothing, the advice's fix is the
// separator that /setup proposes, for every layout of the tests and of the newsletters.
TEST_F(Setup, AdviceAndProposalChooseOneSeparator) {
    const std::string issues = std::string(DOVRINK_TEST_ISSUES) + "/";
    const std::string letters = issues + "../newsletters/";
    const std::string files[] = {
        issues + "framed.txt",
        issues + "mark-framed.txt",
        issues + "two-rules.txt",
        issues + "contents-framed.txt",
        issues + "marks.txt",
        issues + "numbered-toc.txt",
        letters + "lib-jla/01.txt",
        letters + "mus-kagakukan-2006/01.txt",
        letters + "soc-alumni-vesk-mm/01.txt",
        letters + "r2-cabinet-bracket/01.txt",
        letters + "uni-lib-sudachi/02.txt",
    };
    Arrange(932, {"[dovrink]"});
    LoadLeadBytes();
    size_t compared = 0;
    for (const std::string &file : files) {
        const std::string text = Bytes(file);
        PluginSettings settings;
        LoadSettings(settings);
        std::snprintf(settings.SeparatorText, sizeof settings.SeparatorText, "\n*****");
        const SetupProposal proposal = ProposeSetup({text}, settings);
        for (size_t i = 0; i < proposal.Sections.size() && i < KeywordCount; ++i) {
            std::snprintf(settings.Keywords[i], sizeof settings.Keywords[i], "%s",
                          proposal.Sections[i].Keyword.c_str());
        }
        for (const TextAdvice &advice : AdviseOnText(text, settings)) {
            if (advice.Kind == AdviceKind::RuleMissed || advice.Kind == AdviceKind::HeadingOnly) {
                EXPECT_EQ(advice.Fix, WrittenValue(proposal.Separator)) << file;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 10u);
}
