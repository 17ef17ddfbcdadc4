// The self-check's words, accounts and runs, built for Linux against the POSIX stand-ins: its
// messages in both languages, its account of a text and of the settings, and whole runs from the
// command line to the exit status, table by table.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "check/checked_body.h"
#include "check/checked_text.h"
#include "check/conversions.h"
#include "check/messages.h"
#include "check/self_check.h"
#include "check/settings_report.h"
#include "check/settings_writer.h"
#include "check/shown_text.h"
#include "check/text_report.h"
#include "diagnosis/run_status.h"
#include "platform/lead_bytes.h"
#include "platform/posix/environment.h"
#include "platform/windows_api.h"
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
// fills would lose a value. The fields of a table of words are its pointers, in order.
template <typename Table> void ExpectSameSlots(const Table &english, const Table &japanese) {
    constexpr size_t count = sizeof(Table) / sizeof(const char *);
    const auto *first = reinterpret_cast<const char *const *>(&english);
    const auto *second = reinterpret_cast<const char *const *>(&japanese);
    for (size_t i = 0; i < count; ++i) {
        EXPECT_EQ(Slots(first[i]), Slots(second[i])) << i << ": " << first[i];
        EXPECT_STRNE(first[i], second[i]) << i;
    }
}

TEST(CheckMessages, BothLanguagesFillTheSameSlots) {
    ExpectSameSlots(MessagesFor(1252), MessagesFor(932));
    ExpectSameSlots(WordsFor(1252), WordsFor(932));
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
         {std::string("  Not an issue: \"Weekly Vesk\" stands on line 1, from its character 81 ") +
              "to its character 91, and ends at byte 91 of the text; the plugin takes a text for "
              "an issue only when \"Weekly Vesk\" ends within its first 79 bytes, so it shows "
              "nothing for this one. No setting changes that.",
          "  Were it an issue, the keywords would fare so:",
          "  1. keyword0 \"### News\": not found",
          "  2. keyword2 \"### Tips\": found at line 2, but no separator line follows it",
          "  3. keyword5 \"### Event\": not found"}},
    };
    for (const auto &c : cases) {
        const Messages &say = UseCodePage(c.CodePage);
        const PluginSettings settings = SettingsFor(c.CodePage);
        const TextReport report =
            DescribeText(say, c.Text, settings, KeywordsAsWritten(settings, {}), 0);
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
    findings.Items[0] = {SettingsMistake::NeverRead, "keyword9", 0, 0, "", 0};
    findings.Items[1] = {SettingsMistake::FewPageLines, "line", 3, 0, "", 0};
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
         "  separator  \"-----\"  (記事は、これで始まる最初の行の手前で終わります)\n"
         "  line       1 ボックス 5 行\n"
         "  間違い: keyword9 は読まれません。使えるのは keyword0～keyword8 だけです。\n"
         "  間違い: line が 3 で 5 より小さいため、1 ボックス 5 行になります。\n"},
        {1252, 0,
         "The settings as the plugin reads them\n"
         "  1. keyword0  \"### News\"  (box caption \"News\")\n"
         "  2. keyword2  \"### Tips\"  (box caption \"Tips\")\n"
         "  3. keyword5  \"### Event\"  (box caption \"Event\")\n"
         "  separator  \"-----\"  (a section ends before the first line that starts with it)\n"
         "  line       5 lines a box\n"},
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
        // Windows writes it, and one character the code page cannot hold.
        {std::string("\xFF\xFE\xC6\x25\x3D\xD8\x00\xDE", 8), SettingsEncoding::Utf16LittleEndian,
         "\x81\x9F??", 1},
        {std::string("\xFE\xFF\x25\xC6", 4), SettingsEncoding::Utf16BigEndian, "\x81\x9F", 0},
    };
    for (const auto &c : cases) {
        const CheckedText text = TextOfFile(c.Bytes);
        EXPECT_EQ(text.Saved, c.Saved);
        EXPECT_EQ(text.Ansi, c.Ansi);
        EXPECT_EQ(text.Unheld, c.Unheld);
    }
}

// What the plugin is handed for a file or the clipboard, and how the check says it read it: a
// saved mail as the mail client shows it, line numbers from the top of what the reader has.
TEST(CheckedBody, SavedMailAndCopiedText) {
    const std::string body = "Weekly Vesk\r\n\x81\x9F\x81\x9F\x8D\xA1\x8F\x54\r\n";
    const struct {
        const char *What;
        bool Clipboard;
        std::string Bytes;
        std::string Body; // as the plugin is handed it, in code page 932
        size_t Offset;
        const char *English;
        const char *Japanese;
    } cases[] = {
        {"ISO-2022-JP, as most Japanese mail comes", false,
         "From: a@example.jp\r\nSubject: x\r\nContent-Type: text/plain; charset=ISO-2022-JP\r\n"
         "\r\nWeekly Vesk\r\n\x1B$B\x22\x21\x22\x21\x3A\x23\x3D\x35\x1B(B\r\n",
         body, 4,
         "The text of x.eml (saved as a mail; 110 bytes, 6 lines)\n"
         "  A saved mail: the plugin sees its body only, which starts at line 5.\n"
         "  Its text (ISO-2022-JP) is read as the mail client shows it.\n"
         "  Line numbers count from the top of the file.\n",
         "x.eml の文章 (メール形式で保存、110 バイト、6 行)\n"
         "  保存したメールです。プラグインが見るのは本文だけで、本文は 5 行目からです。\n"
         "  本文 (ISO-2022-JP) を、メールソフトが表示するとおりに読みました。\n"
         "  行番号は、ファイルの先頭から数えます。\n"},
        {"UTF-8 in base64, the text part of two", false,
         "From: a@example.jp\r\nMIME-Version: 1.0\r\n"
         "Content-Type: multipart/alternative; boundary=\"b\"\r\n\r\n"
         "--b\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Transfer-Encoding: base64\r\n"
         "\r\nV2Vla2x5IFZlc2sK4peG4peG5LuK6YCxCg==\r\n"
         "--b\r\nContent-Type: text/html\r\n\r\n<p>Weekly Vesk</p>\r\n--b--\r\n",
         body, 0,
         "The text of x.eml (saved as a mail; 272 bytes, 14 lines)\n"
         "  A saved mail: the plugin sees its body only, which starts at line 5.\n"
         "  Its text (UTF-8, base64) is read as the mail client shows it.\n"
         "  Line numbers count from the top of its text as the mail client shows it.\n",
         "x.eml の文章 (メール形式で保存、272 バイト、14 行)\n"
         "  保存したメールです。プラグインが見るのは本文だけで、本文は 5 行目からです。\n"
         "  本文 (UTF-8, base64) を、メールソフトが表示するとおりに読みました。\n"
         "  行番号は、メールソフトが表示する本文の先頭から数えます。\n"},
        {"a charset no decoder knows", false,
         "From: a@example.jp\r\nContent-Type: text/plain; charset=x-vesk\r\n\r\nWeekly Vesk\r\n",
         "", 0,
         "The text of x.eml (saved as a mail; 77 bytes, 4 lines)\n"
         "  A saved mail: the plugin sees its body only, which starts at line 4.\n"
         "  Its text is sent as x-vesk, which this check does not read: open the issue in the mail "
         "client, select all of it, copy it, and run the check again.\n",
         "x.eml の文章 (メール形式で保存、77 バイト、4 行)\n"
         "  保存したメールです。プラグインが見るのは本文だけで、本文は 4 行目からです。\n"
         "  本文が x-vesk で送られていて、この確認では読めません。メールソフトで号を開き、全体を"
         "選択してコピーしてから、もう一度実行してください。\n"},
        {"a copied text that opens with header lines", true,
         "From: a@example.jp\r\nSubject: Weekly Vesk\r\n\r\n" + body, body, 3,
         "The text on the clipboard (67 bytes, 5 lines)\n"
         "  The copied text opens with header lines: the plugin sees the body only, which starts "
         "at line 4. Line numbers count from the top of what was copied.\n",
         "クリップボードの文章 (67 バイト、5 行)\n"
         "  コピーした文章の先頭にヘッダーの行があります。プラグインが見るのは本文だけで、本文は "
         "4 行目からです。行番号は、コピーした文章の先頭から数えます。\n"},
    };
    for (const auto &c : cases) {
        for (const unsigned codePage : {1252u, 932u}) {
            const Messages &say = MessagesFor(codePage);
            UseCodePage(932);
            CheckedText copied;
            copied.Ansi = c.Bytes;
            const CheckedBody checked =
                c.Clipboard ? BodyOfClipboard(say, copied) : BodyOfFile(say, "x.eml", c.Bytes);
            EXPECT_EQ(checked.Account, codePage == 932 ? c.Japanese : c.English) << c.What;
            EXPECT_EQ(checked.Readable, !c.Body.empty()) << c.What;
            EXPECT_EQ(checked.Body, c.Body) << c.What;
            EXPECT_EQ(checked.Offset, c.Offset) << c.What;
        }
    }
}

// The settings of the mailbox cases (tests/preview/mailboxes/plugins/dovrink.ini): keywords with
// characters only code page 932 holds.
PluginSettings MailboxSettings() {
    PluginSettings settings;
    SetKeyword(settings, 0, "\x81\x9F\x81\x9F\x87\x40\x82\xA8\x92\x6D\x82\xE7\x82\xB9\x87\x8A");
    SetKeyword(settings, 1, "\x81\x9F\x81\x9F\x97\x5C\x92\xE8\x81\x60");
    SetSeparator(settings, "\x84\xAA\x84\xAA\x84\xAA");
    settings.PageLines = 8;
    return settings;
}

std::string MailFile(const char *name) {
    std::ifstream file(std::string(TEST_MAIL_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Mail that the preview shows boxes for is read alike: sent as HTML only, forwarded as an
// attachment, in US-ASCII, with header lines that are no fields, under the names Japanese mail
// programs give their variants. Each shows the boxes the preview shows for it, and the account
// says what the client does.
TEST(CheckedBody, MailAsThePreviewReadsIt) {
    const Messages &say = UseCodePage(932);
    const struct {
        const char *File;
        bool English;
        size_t Boxes; // as the preview's transcripts have them
        const char *Messages::*Note;
    } cases[] = {
        {"senders/11-html-only.eml", false, 2, &Messages::HtmlOnly},
        {"senders/16-forwarded-alone.eml", false, 2, &Messages::Forwarded},
        {"formats/forwarded-twice.eml", false, 1, &Messages::Forwarded},
        {"readers/01-us-ascii.eml", true, 2, nullptr},
        {"readers/03-field-name-with-marks.eml", false, 2, nullptr},
        {"readers/04-line-without-colon.eml", false, 2, nullptr},
        {"readers/05-blanks-before-fields.eml", false, 2, nullptr},
        {"readers/06-sjis-win.eml", false, 2, &Messages::VariantLabel},
        {"readers/07-eucjp-win.eml", false, 2, &Messages::VariantLabel},
    };
    for (const auto &c : cases) {
        const CheckedBody checked = BodyOfFile(say, c.File, MailFile(c.File));
        ASSERT_TRUE(checked.Readable) << c.File << "\n" << checked.Account;
        TextJudgement judgement{};
        const PluginSettings settings = c.English ? SettingsFor(1252) : MailboxSettings();
        JudgeText(checked.Body.c_str(), checked.Body.size() + 1, settings, NoBoxCancelled,
                  judgement);
        EXPECT_EQ(judgement.Boxes, c.Boxes) << c.File;
        // The heading, where the body starts, how it was read, how lines count; and the note.
        const auto lines = std::count(checked.Account.begin(), checked.Account.end(), '\n');
        EXPECT_EQ(lines, c.Note != nullptr ? 5 : 4) << c.File << "\n" << checked.Account;
        if (c.Note != nullptr) {
            const std::string note = say.*(c.Note);
            EXPECT_NE(checked.Account.find(note.substr(0, note.find('{'))), std::string::npos)
                << c.File << "\n"
                << checked.Account;
        }
    }
}

// The settings file written by /setup loses nothing: the old file is kept beside it, under the
// first backup name not taken; a folder that cannot be written sends it to the other folder.
TEST(SettingsWriter, KeepsTheOldFile) {
    const struct {
        const char *What;
        std::vector<std::string> Before; // files in the plugins folder, each holding its name
        bool PluginsWritable;
        bool OtherWritable;
        SettingsWritten Where;
        const char *Backup; // in the folder written, holding the old settings
    } cases[] = {
        {"a first file", {}, true, true, SettingsWritten::InPlace, ""},
        {"over an old file",
         {"dovrink.ini"},
         true,
         true,
         SettingsWritten::InPlace,
         "dovrink.ini.bak"},
        {"over an old file and its backup",
         {"dovrink.ini", "dovrink.ini.bak"},
         true,
         true,
         SettingsWritten::InPlace,
         "dovrink.ini.bak2"},
        {"a plugins folder that cannot be written",
         {},
         false,
         true,
         SettingsWritten::Elsewhere,
         ""},
        {"no folder that can be written", {}, false, false, SettingsWritten::Not, ""},
    };
    for (const auto &c : cases) {
        char pattern[] = "/tmp/dovrink-writer-XXXXXX";
        const std::string root = mkdtemp(pattern);
        const std::string plugins = root + (c.PluginsWritable ? "/plugins" : "/missing/plugins");
        const std::string other = c.OtherWritable ? root + "/documents" : root + "/missing";
        mkdir((root + "/plugins").c_str(), 0700);
        mkdir((root + "/documents").c_str(), 0700);
        for (const std::string &name : c.Before) {
            std::ofstream(std::filesystem::path(plugins) / name) << name;
        }
        const WrittenFile written =
            WriteSettingsFile(plugins + "/dovrink.ini", other, "[dovrink]\r\n");
        EXPECT_EQ(written.Where, c.Where) << c.What;
        const std::string folder = c.Where == SettingsWritten::InPlace ? plugins : other;
        if (c.Where != SettingsWritten::Not) {
            EXPECT_EQ(written.Path, folder + "/dovrink.ini") << c.What;
            std::ifstream file(written.Path);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), "[dovrink]\r\n")
                << c.What;
        }
        const std::string backup = *c.Backup == '\0' ? "" : folder + "/" + c.Backup;
        EXPECT_EQ(written.Backup, backup) << c.What;
        if (!backup.empty()) {
            std::ifstream kept(backup);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "dovrink.ini")
                << c.What;
        }
        std::filesystem::remove_all(root);
    }
}

// What a run of the self-check is given, as a reader gives it.
struct GivenRun {
    std::map<std::string, std::string> Files; // by name; a name not here cannot be read
    std::vector<std::string> TooLarge;        // names of files too large to read
    const char *Clipboard;                    // null: the clipboard holds no text
    bool OwnWindow;
    std::deque<bool> Yes;           // answers to the questions of Y or N, in order; then N
    std::deque<std::string> Answer; // answers to the questions of a line, in order; then none
};

// A run's system, answering as given, and what the run writes to it.
struct SeenRun {
    GivenRun Given;
    std::string Written;
    std::vector<std::string> KeysAwaited;

    CheckSystem System() {
        return {[this](const std::string &text) { Written += text; },
                [this](const std::string &question) {
                    Written += question;
                    const bool yes = !Given.Yes.empty() && Given.Yes.front();
                    if (!Given.Yes.empty()) {
                        Given.Yes.pop_front();
                    }
                    return yes;
                },
                [this](const std::string &question) {
                    Written += question;
                    std::string answer = Given.Answer.empty() ? "" : Given.Answer.front();
                    if (!Given.Answer.empty()) {
                        Given.Answer.pop_front();
                    }
                    return answer;
                },
                [this](const std::string &prompt) { KeysAwaited.push_back(prompt); },
                Given.OwnWindow,
                79,
                [this](CheckedText &text) {
                    if (Given.Clipboard != nullptr) {
                        const WideText wide = WideOf(CP_UTF8, Given.Clipboard);
                        text = TextOfWide(wide.c_str(), wide.size());
                    }
                    return Given.Clipboard != nullptr;
                },
                [this](const WideText &path, std::string &bytes) {
                    const std::string name = Utf8OfWide(path);
                    const std::vector<std::string> &large = Given.TooLarge;
                    if (std::find(large.begin(), large.end(), name) != large.end()) {
                        return FileRead::TooLarge;
                    }
                    const auto file = Given.Files.find(name);
                    if (file == Given.Files.end()) {
                        return FileRead::Unreadable;
                    }
                    bytes = file->second;
                    return FileRead::Read;
                },
                [](const WideText &, std::vector<WideText> &) { return false; }};
    }
};

// A plugins folder of its own, with the settings file given, which the run reads as the plugin
// beside it would; the current folder while it lasts, and removed with it. The settings writer
// opens the Windows path that the stand-ins give the plugins folder, which on Linux names a file
// in the current folder: that file holds what /setup wrote.
class PluginsFolder {
  public:
    explicit PluginsFolder(const std::string &settings) : Before(std::filesystem::current_path()) {
        char pattern[] = "/tmp/dovrink-run-XXXXXX";
        Root = mkdtemp(pattern);
        mkdir((Root + "/plugins").c_str(), 0700);
        std::ofstream(Root + "/plugins/dovrink.ini", std::ios::binary) << settings;
        setenv(HostDirVariable, (Root + "/plugins").c_str(), 1);
        std::filesystem::current_path(Root);
    }
    ~PluginsFolder() {
        std::filesystem::current_path(Before);
        unsetenv(HostDirVariable);
        std::filesystem::remove_all(Root);
    }
    PluginsFolder(const PluginsFolder &) = delete;
    PluginsFolder &operator=(const PluginsFolder &) = delete;

    // What /setup wrote; empty when it wrote nothing.
    std::string Written() const {
        std::string windowsPath = Root + "/plugins/dovrink.ini";
        std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
        std::ifstream file(Root + "/" + windowsPath, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

  private:
    std::filesystem::path Before;
    std::string Root;
};

std::vector<WideText> Arguments(const std::vector<std::string> &arguments) {
    std::vector<WideText> wide;
    wide.reserve(arguments.size());
    for (const std::string &argument : arguments) {
        wide.push_back(WideOf(CP_UTF8, argument));
    }
    return wide;
}

const char *const RunSettings = "[dovrink]\r\nkeyword0=### News\r\nkeyword2=### Tips\r\n"
                                "separator=-----\r\nline=5\r\n";

// Whole runs, from the command line and what the reader gives to the exit status: what the run
// says and asks, and the settings file that /setup leaves.
TEST(SelfCheckRun, FromTheCommandLineToTheExitStatus) {
    const std::string issue = IssueFor(1252);
    const std::string letter = "Dear reader,\r\nno issue here.\r\n";
    const std::string missed = "Weekly Vesk\r\n### Other\r\ntext\r\n-----\r\n";
    const struct {
        const char *What;
        std::vector<std::string> Arguments;
        GivenRun Given;
        ExitStatus Status;
        std::vector<std::string> Says; // in this order
        std::string Written;           // the settings file that /setup wrote
    } cases[] = {
        {"how to use it",
         {"/?"},
         {{}, {}, nullptr, false, {}, {}},
         ExitStatus::BoxesShown,
         {"Usage: dovrink-check [/show] [FILE]",
          "Exit status: 0 when boxes show (or no text was given), 5 when they show but a\n"
          "mistake or a warning was told, 3 for an issue that shows no box, 4 when the\n"
          "text is no issue, 1 when the file cannot be read, 2 for a wrong argument.\n"},
         ""},
        {"an option it lacks",
         {"--shwo"},
         {{}, {}, nullptr, false, {}, {}},
         ExitStatus::WrongUsage,
         {"--shwo. dovrink-check /? tells how to use it."},
         ""},
        {"a second file without /setup",
         {"issue.txt", "letter.txt"},
         {{{"issue.txt", issue}, {"letter.txt", letter}}, {}, nullptr, false, {}, {}},
         ExitStatus::WrongUsage,
         {"letter.txt. dovrink-check /? tells how to use it."},
         ""},
        {"nothing on the clipboard",
         {},
         {{}, {}, nullptr, false, {}, {}},
         ExitStatus::BoxesShown,
         {"Where the plugin reads its settings", "The clipboard holds no text.",
          "No mistakes found"},
         ""},
        {"a file that cannot be read",
         {"gone.txt"},
         {{}, {}, nullptr, false, {}, {}},
         ExitStatus::Unreadable,
         {"Cannot read gone.txt."},
         ""},
        {"a file too large",
         {"huge.txt"},
         {{}, {"huge.txt"}, nullptr, false, {}, {}},
         ExitStatus::Unreadable,
         {"huge.txt is larger than 64 MB"},
         ""},
        {"an issue in a file",
         {"issue.txt"},
         {{{"issue.txt", issue}}, {}, nullptr, false, {}, {}},
         ExitStatus::BoxesShown,
         {"The text of issue.txt", "keyword0 \"### News\": found at line 2, shown in 1 box",
          "The plugin shows 3 boxes for this text."},
         ""},
        {"an issue on the clipboard",
         {},
         {{}, {}, "Weekly Vesk\r\n### Tips\r\na\r\n-----\r\n", false, {}, {}},
         ExitStatus::BoxesShown,
         {"The text on the clipboard", "keyword2 \"### Tips\": found at line 2, shown in 1 box"},
         ""},
        {"a letter",
         {"letter.txt"},
         {{{"letter.txt", letter}}, {}, nullptr, false, {}, {}},
         ExitStatus::NoIssue,
         {"Not an issue"},
         ""},
        {"an issue that shows nothing, in a window of its own, setup declined",
         {"missed.txt"},
         {{{"missed.txt", missed}}, {}, nullptr, true, {false}, {}},
         ExitStatus::IssueWithoutBox,
         {"keyword0 \"### News\": not found", "Make the settings from this issue? [Y/N] "},
         ""},
        {"an issue that shows something, in a window of its own: no setup offered",
         {"issue.txt"},
         {{{"issue.txt", issue}}, {}, nullptr, true, {false}, {}},
         ExitStatus::BoxesShown,
         {"Show the boxes as the plugin would? [Y/N] "},
         ""},
        {"settings made from an issue and written",
         {"/setup", "issue.txt"},
         {{{"issue.txt", issue}}, {}, nullptr, false, {}, {"", "", "", "y"}},
         ExitStatus::BoxesShown,
         {"Settings made from the issue", "Write it? [Y/N] ",
          "Written: ", "The issue checked again with the file written:", "Restart the mail client"},
         "; Made from an issue: the keywords are its headings, checked on it.\r\n[dovrink]\r\n"
         "keyword0=### News\r\nkeyword1=### Tips\r\nseparator=-----\r\nline=5\r\n"},
        {"settings made from an issue, not written",
         {"/setup", "issue.txt"},
         {{{"issue.txt", issue}}, {}, nullptr, false, {}, {"", "", "", "n"}},
         ExitStatus::BoxesShown,
         {"Settings made from the issue", "Nothing was written."},
         ""},
    };
    UseCodePage(1252);
    for (const auto &c : cases) {
        const PluginsFolder folder(RunSettings);
        SeenRun seen{c.Given, {}, {}};
        EXPECT_EQ(RunSelfCheck(Arguments(c.Arguments), seen.System()), c.Status) << c.What;
        size_t at = 0;
        for (const std::string &said : c.Says) {
            const size_t found = seen.Written.find(said, at);
            EXPECT_NE(found, std::string::npos) << c.What << ": " << said << "\n" << seen.Written;
            at = found == std::string::npos ? at : found + said.size();
        }
        EXPECT_FALSE(std::regex_search(seen.Written, std::regex(R"(\{[0-9]\})")))
            << c.What << ": a slot left unfilled\n"
            << seen.Written;
        const std::vector<std::string> awaited = {"Press any key to close this window."};
        EXPECT_EQ(seen.KeysAwaited, c.Given.OwnWindow ? awaited : std::vector<std::string>())
            << c.What;
        EXPECT_EQ(folder.Written(), c.Written) << c.What;
    }
}

// The columns that a line of the console takes: a character as many as its bytes in the code page.
size_t ColumnsOf(const std::string &utf8) {
    size_t unheld = 0;
    return AnsiOf(WideOf(CP_UTF8, utf8), unheld).size();
}

// How to use the program, in both languages and at any width, is wrapped once, to the console's
// width: every line fits, and none holds a fragment of a few characters within its paragraph, as
// a text broken by hand and then again by the console does ("              を").
TEST(SelfCheckRun, UsageWrappedOnceToTheConsoleWidth) {
    constexpr size_t Fragment = 8; // columns of text that only a paragraph's last line may hold
    for (const unsigned codePage : {1252u, 932u}) {
        UseCodePage(codePage);
        for (const size_t width : {79u, 50u}) {
            SeenRun seen{{{}, {}, nullptr, false, {}, {}}, {}, {}};
            CheckSystem system = seen.System();
            system.Columns = width;
            EXPECT_EQ(RunSelfCheck(Arguments({"/?"}), system), ExitStatus::BoxesShown);
            std::vector<std::string> lines;
            for (size_t at = 0, end; (end = seen.Written.find('\n', at)) != std::string::npos;
                 at = end + 1) {
                lines.push_back(seen.Written.substr(at, end - at));
            }
            ASSERT_GT(lines.size(), 10u) << codePage;
            for (size_t i = 0; i < lines.size(); ++i) {
                const std::string &line = lines[i];
                const size_t indent = line.find_first_not_of(' ');
                const size_t text = indent == std::string::npos ? 0 : ColumnsOf(line) - indent;
                const bool last = i + 1 == lines.size() || lines[i + 1].empty() ||
                                  lines[i + 1].find_first_not_of(' ') <= 2;
                EXPECT_LE(ColumnsOf(line), width) << codePage << " at " << width << ": " << line;
                EXPECT_TRUE(text >= Fragment || last)
                    << codePage << " at " << width << ": a fragment\n"
                    << seen.Written;
            }
        }
    }
}

} // namespace
