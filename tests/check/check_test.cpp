// The self-check's words and accounts, built for Linux against the POSIX stand-ins: its messages
// in both languages, its account of a text and of the settings, table by table.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "check/checked_text.h"
#include "check/messages.h"
#include "check/settings_report.h"
#include "check/text_report.h"
#include "diagnosis/run_status.h"
#include "platform/lead_bytes.h"
#include "platform/posix/environment.h"
#include "settings_record.h"

namespace {

// The code page of the Windows the check runs on, and its messages.
const Messages &UseCodePage(unsigned codePage) {
    setenv(CodePageVariable, std::to_string(codePage).c_str(), 1);
    LoadLeadBytes();
    return MessagesFor(codePage);
}

// The slots, {1} to {9}, that a pattern fills.
std::set<char> Slots(const char *pattern) {
    std::set<char> slots;
    for (const char *at = pattern; *at != '\0'; ++at) {
        if (at[0] == '{' && at[1] >= '1' && at[1] <= '9' && at[2] == '}') {
            slots.insert(at[1]);
        }
    }
    return slots;
}

// Each message says the same things in both languages: a pattern that drops a slot the other
// fills would lose a value.
TEST(CheckMessages, BothLanguagesFillTheSameSlots) {
    const Messages &english = MessagesFor(1252);
    const Messages &japanese = MessagesFor(932);
#define DOVRINK_SAME_SLOTS(field)                                                                  \
    EXPECT_EQ(Slots(english.field), Slots(japanese.field)) << #field;                              \
    EXPECT_STRNE(english.field, japanese.field) << #field;
    DOVRINK_SAME_SLOTS(Title)
    DOVRINK_SAME_SLOTS(WrongArgument)
    DOVRINK_SAME_SLOTS(FileSavedIn)
    DOVRINK_SAME_SLOTS(FileMissingForKeywords)
    DOVRINK_SAME_SLOTS(FileMissingForSeparator)
    DOVRINK_SAME_SLOTS(PluginFound)
    DOVRINK_SAME_SLOTS(PluginMissing)
    DOVRINK_SAME_SLOTS(CodePage)
    DOVRINK_SAME_SLOTS(KeywordLine)
    DOVRINK_SAME_SLOTS(SeparatorLine)
    DOVRINK_SAME_SLOTS(PageLinesLine)
    DOVRINK_SAME_SLOTS(MistakeLine)
    DOVRINK_SAME_SLOTS(NoCaption)
    DOVRINK_SAME_SLOTS(NeverRead)
    DOVRINK_SAME_SLOTS(FewPageLines)
    DOVRINK_SAME_SLOTS(BeyondCodePage)
    DOVRINK_SAME_SLOTS(MarkOverOther)
    DOVRINK_SAME_SLOTS(Utf8InAnsiFile)
    DOVRINK_SAME_SLOTS(NotText)
    DOVRINK_SAME_SLOTS(ClipboardHeading)
    DOVRINK_SAME_SLOTS(FileHeading)
    DOVRINK_SAME_SLOTS(FileUnreadable)
    DOVRINK_SAME_SLOTS(FileTooLarge)
    DOVRINK_SAME_SLOTS(Unheld)
    DOVRINK_SAME_SLOTS(SavedMail)
    DOVRINK_SAME_SLOTS(EncodedBody)
    DOVRINK_SAME_SLOTS(Issue)
    DOVRINK_SAME_SLOTS(MarkerLate)
    DOVRINK_SAME_SLOTS(MarkerMissing)
    DOVRINK_SAME_SLOTS(Shown)
    DOVRINK_SAME_SLOTS(NotFound)
    DOVRINK_SAME_SLOTS(NoSeparator)
    DOVRINK_SAME_SLOTS(TooShort)
    DOVRINK_SAME_SLOTS(BoxCount)
    DOVRINK_SAME_SLOTS(SomeBoxes)
#undef DOVRINK_SAME_SLOTS
}

// The keywords of a reader on Japanese Windows, or in ASCII: the keyword a heading of full-width
// marks opens, one of ASCII marks, one the text lacks.
PluginSettings SettingsFor(unsigned codePage) {
    PluginSettings settings;
    SetKeyword(settings, 0, codePage == 932 ? "\x81\x9F\x81\x9F\x8D\xA1\x8F\x54" : "### News");
    SetKeyword(settings, 2, "### Tips");
    SetKeyword(settings, 5, codePage == 932 ? "\x81\x9F\x81\x9F\x8D\xC3" : "### Event");
    SetSeparator(settings, "-----");
    settings.PageLines = 5;
    return settings;
}

// An issue whose first section takes one box and whose second takes two.
std::string IssueFor(unsigned codePage) {
    return std::string("Weekly Vesk 42\r\n") +
           (codePage == 932 ? "\x81\x9F\x81\x9F\x8D\xA1\x8F\x54" : "### News") +
           "\r\nline\r\n-----\r\n### Tips\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n-----\r\n";
}

// The account of a text: whether it is an issue, each keyword's fate, the boxes, and the status a
// run over it ends with.
TEST(CheckTextReport, EachKeywordAndTheBoxes) {
    const struct {
        unsigned CodePage;
        std::string Text;
        ExitStatus Status; // of a run over this text
        size_t Boxes;
        std::vector<std::string> Lines;
    } cases[] = {
        {1252,
         IssueFor(1252),
         ExitStatus::BoxesShown,
         3,
         {"  An issue: \"Weekly Vesk\" stands within the first 79 bytes (line 1).",
          "  1. keyword0 \"### News\": found at line 2, shown in 1 box",
          "  2. keyword2 \"### Tips\": found at line 5, shown in 2 boxes",
          "  3. keyword5 \"### Event\": not found", "  The plugin shows 3 boxes for this text."}},
        {932,
         IssueFor(932),
         ExitStatus::BoxesShown,
         3,
         {"  号として扱われます: 「Weekly Vesk」が先頭 79 バイトの中 (1 行目) にあります。",
          "  1. keyword0 \"◆◆今週\": 2 行目にあります。ボックス 1 個で表示されます",
          "  2. keyword2 \"### Tips\": 5 行目にあります。ボックス 2 個で表示されます",
          "  3. keyword5 \"◆◆催\": 見つかりません",
          "  この文章では、ボックス 3 個が表示されます。"}},
        {1252,
         "Weekly Vesk\r\n### Tips\r\nno rule after it\r\n",
         ExitStatus::IssueWithoutBox,
         0,
         {"  An issue: \"Weekly Vesk\" stands within the first 79 bytes (line 1).",
          "  1. keyword0 \"### News\": not found",
          "  2. keyword2 \"### Tips\": found at line 2, but no separator line follows it",
          "  3. keyword5 \"### Event\": not found", "  The plugin shows no box for this text."}},
        {1252,
         std::string(80, ' ') + "Weekly Vesk\r\n### Tips\r\n",
         ExitStatus::NoIssue,
         0,
         {std::string("  Not an issue: \"Weekly Vesk\" first stands at byte 80 (line 1), ") +
              "past the first 79 bytes, where the plugin looks. The plugin shows nothing for this "
              "text.",
          "  Were it an issue, the keywords would fare so:",
          "  1. keyword0 \"### News\": not found",
          "  2. keyword2 \"### Tips\": found at line 2, but no separator line follows it",
          "  3. keyword5 \"### Event\": not found"}},
    };
    for (const auto &c : cases) {
        const Messages &say = UseCodePage(c.CodePage);
        const TextReport report = DescribeText(say, c.Text, SettingsFor(c.CodePage));
        std::string expected;
        for (const std::string &line : c.Lines) {
            expected += line + "\n";
        }
        EXPECT_EQ(report.Text, expected) << c.CodePage;
        const TextJudgement &judged = report.Judgement;
        EXPECT_EQ(judged.Boxes, c.Boxes) << c.CodePage;
        RunTally tally;
        tally.MailGiven = true;
        tally.Issues = judged.Issue ? 1 : 0;
        tally.Boxes = judged.Boxes;
        EXPECT_EQ(StatusOf(tally), c.Status) << c.CodePage;
    }
}

// The account of the settings: each keyword numbered as the plugin takes it, with its caption,
// and every mistake found, in the reader's language.
TEST(CheckSettingsReport, SettingsAndTheirMistakes) {
    SettingsFindings findings{};
    findings.Items[0] = {SettingsMistake::NeverRead, "keyword9", 0};
    findings.Items[1] = {SettingsMistake::FewPageLines, "line", 3};
    findings.Count = 2;
    const struct {
        unsigned CodePage;
        int Findings;
        std::string Expected;
    } cases[] = {
        {932, 2,
         "プラグインが読んだ設定\n"
         "  1. keyword0  \"◆◆今週\"  (ボックスの題名 \"今週\")\n"
         "  2. keyword2  \"### Tips\"  (ボックスの題名 \"Tips\")\n"
         "  3. keyword5  \"◆◆催\"  (ボックスの題名 \"催\")\n"
         "  separator  \"-----\"  (節は、これで始まる最初の行の手前で終わります)\n"
         "  line       1 画面 5 行\n"
         "  間違い: keyword9 は読まれません。使えるのは keyword0～keyword8 だけです。\n"
         "  間違い: line が 3 で 5 より小さいため、1 画面 5 行になります。\n"},
        {1252, 0,
         "The settings as the plugin reads them\n"
         "  1. keyword0  \"### News\"  (box caption \"News\")\n"
         "  2. keyword2  \"### Tips\"  (box caption \"Tips\")\n"
         "  3. keyword5  \"### Event\"  (box caption \"Event\")\n"
         "  separator  \"-----\"  (a section ends before the first line that starts with it)\n"
         "  line       5 lines a box\n"
         "  No mistakes found.\n"},
    };
    for (const auto &c : cases) {
        const Messages &say = UseCodePage(c.CodePage);
        SettingsFindings some = findings;
        some.Count = c.Findings;
        EXPECT_EQ(DescribeSettings(say, SettingsFor(c.CodePage), some), c.Expected) << c.CodePage;
    }
}

// A file as Notepad saves it is read into the code page, and says how it was saved.
TEST(CheckedText, FilesAsEditorsSaveThem) {
    UseCodePage(932);
    const struct {
        std::string Bytes;
        SettingsEncoding Saved;
        std::string Ansi;
        size_t Unheld;
    } cases[] = {
        {"\x81\x9F\x8D\xA1", SettingsEncoding::Ansi, "\x81\x9F\x8D\xA1", 0},
        {"\xE2\x97\x86\xE4\xBB\x8A", SettingsEncoding::Utf8, "\x81\x9F\x8D\xA1", 0},
        {"\xEF\xBB\xBF\xE2\x97\x86", SettingsEncoding::Utf8WithMark, "\x81\x9F", 0},
        // A character beyond the code page, such as an emoji, is a "?" for each of its units, as
        // Windows writes it.
        {std::string("\xFF\xFE\xC6\x25\x3D\xD8\x00\xDE", 8), SettingsEncoding::Utf16LittleEndian,
         "\x81\x9F??", 2},
        {std::string("\xFE\xFF\x25\xC6", 4), SettingsEncoding::Utf16BigEndian, "\x81\x9F", 0},
    };
    for (const auto &c : cases) {
        const CheckedText text = TextOfFile(c.Bytes);
        EXPECT_EQ(text.Saved, c.Saved);
        EXPECT_EQ(text.Ansi, c.Ansi);
        EXPECT_EQ(text.Unheld, c.Unheld);
    }
}

} // namespace
