// What the preview makes of files as readers have them: compressed mailboxes cut short, damaged
// or followed by other bytes, named pipes and devices, empty files, and mail under other names.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "compressed.h"
#include "preview/mailbox/mail_source.h"

namespace fs = std::filesystem;

namespace {

class Scratch : public ::testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/mail_source_test.XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        Root = name;
    }
    void TearDown() override { fs::remove_all(Root); }

    std::string Write(const std::string &name, const std::string &bytes) const {
        const fs::path path = Root / name;
        fs::create_directories(path.parent_path());
        std::FILE *file = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        return path.string();
    }

    std::string Pipe(const std::string &name) const {
        const fs::path path = Root / name;
        fs::create_directories(path.parent_path());
        EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
        return path.string();
    }

    fs::path Root;
};

std::vector<SavedMessage> Read(const std::vector<std::string> &paths) {
    std::vector<SavedMessage> found;
    MailSource mail(paths);
    for (SavedMessage message; mail.Next(message);) {
        found.push_back(message);
    }
    return found;
}

// A message of its own words each, so that the compressed data of one is not all references to
// another, and a cut falls among them.
std::string Issue(int number) {
    std::string text = "Subject: Weekly Vesk " + std::to_string(number) + "\n\n";
    unsigned seed = static_cast<unsigned>(number) * 2654435761U;
    for (int word = 0; word < 120; ++word) {
        seed = seed * 1103515245U + 12345U;
        text += std::to_string(seed % 100000) + (word % 12 == 11 ? "\n" : " ");
    }
    return text + "\n";
}

constexpr int Issues = 40;

std::string Mailbox() {
    std::string mbox;
    for (int number = 1; number <= Issues; ++number) {
        mbox += "From news@vesk.example Tue Dec  8 09:00:00 2026\n" + Issue(number) + "\n";
    }
    return mbox;
}

using MailSourceTest = Scratch;

TEST_F(MailSourceTest, DamagedCompressedMailboxEndsInOneLineAfterWhatCameBefore) {
    const struct {
        const char *Damage;
        std::string (*Make)(const std::string &);
        const char *Says;
        bool AllRead;  // every message comes before the damage
        bool Verbatim; // the messages before it are the messages as written
    } damages[] = {
        {"cut short", [](const std::string &c) { return CutShort(c, 5); }, "the file is cut short",
         false, true},
        {"flipped", [](const std::string &c) { return Flipped(c, 11, 3); }, "is damaged at byte",
         false, false},
        {"garbage after", WithGarbage, "and what follows it is not", true, true},
    };
    const std::string mbox = Mailbox();
    for (const CompressionFormat &format : CompressionFormats) {
        for (const auto &damage : damages) {
            const std::string what = std::string(format.Name) + ", " + damage.Damage;
            const std::vector<SavedMessage> found = Read({Write(
                std::string("mail") + format.Extension, damage.Make(format.Compress(mbox)))});
            ASSERT_FALSE(found.empty()) << what;
            const SavedMessage &last = found.back();
            EXPECT_EQ(last.What, SavedMessage::Kind::Damaged) << what;
            EXPECT_NE(last.Reason.find(damage.Says), std::string::npos)
                << what << ": " << last.Reason;
            EXPECT_NE(last.Reason.find(format.Name), std::string::npos) << last.Reason;
            const size_t messages = found.size() - 1;
            EXPECT_EQ(messages == static_cast<size_t>(Issues), damage.AllRead) << what;
            for (size_t i = 0; i < messages; ++i) {
                EXPECT_EQ(found[i].What, SavedMessage::Kind::Message) << what;
                if (damage.Verbatim) {
                    EXPECT_EQ(found[i].Bytes, Issue(static_cast<int>(i) + 1)) << what;
                }
            }
            const std::string counted = "the " + std::to_string(messages) + " messages before it";
            EXPECT_TRUE(messages < 2 || last.Reason.find(counted) != std::string::npos)
                << what << ": " << last.Reason;
        }
    }
}

TEST_F(MailSourceTest, WhatIsNoFileIsToldByItsTypeUnopened) {
    const std::string message = "From: a@b\nSubject: Weekly Vesk\n\nbody\n";
    Write("folder/a.eml", message);
    Pipe("folder/b.pipe");
    Write("folder/c.eml", message);
    Write("folder/d.eml", "");
    const std::string pipe = Pipe("pipe");
    const std::string empty = Write("empty.eml", "");
    const struct {
        std::vector<std::string> Paths;
        std::vector<SavedMessage::Kind> Kinds;
        std::vector<std::string> Reasons;
    } cases[] = {
        {{(Root / "folder").string()},
         {SavedMessage::Kind::Message, SavedMessage::Kind::NotMessage, SavedMessage::Kind::Message,
          SavedMessage::Kind::NotMessage},
         {"", "a named pipe, which is not opened", "", "an empty file"}},
        {{pipe}, {SavedMessage::Kind::Unreadable}, {"is a named pipe, not a file: it is not read"}},
        {{"/dev/zero"},
         {SavedMessage::Kind::Unreadable},
         {"is a character device, not a file: it is not read"}},
        {{empty}, {SavedMessage::Kind::Unreadable}, {"is an empty file"}},
    };
    for (const auto &c : cases) {
        const std::vector<SavedMessage> found = Read(c.Paths);
        ASSERT_EQ(found.size(), c.Kinds.size()) << c.Paths[0];
        for (size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].What, c.Kinds[i]) << found[i].Name;
            EXPECT_EQ(found[i].Reason, c.Reasons[i]) << found[i].Name;
        }
    }
}

// An Outlook message is told by its directory, whatever its name; another compound file, by
// what it is, read from the command line or passed over in a folder.
TEST_F(MailSourceTest, ContentDecidesNotTheName) {
    const std::string outlook = std::string(TEST_MAIL_DIR) + "/formats/outlook.msg";
    std::string bytes;
    {
        std::FILE *file = std::fopen(outlook.c_str(), "rb");
        ASSERT_NE(file, nullptr);
        char piece[4096];
        for (size_t got; (got = std::fread(piece, 1, sizeof piece, file)) > 0;) {
            bytes.append(piece, got);
        }
        std::fclose(file);
    }
    const std::string renamed = Write("saved as.eml", bytes);
    const std::string inFolder = Write("folder/saved.eml", bytes);
    for (const std::string &path : {outlook, renamed, inFolder}) {
        const std::vector<SavedMessage> found =
            Read({path == inFolder ? (Root / "folder").string() : path});
        ASSERT_EQ(found.size(), 1U) << path;
        EXPECT_EQ(found[0].What, SavedMessage::Kind::Unreadable) << path;
        EXPECT_EQ(found[0].Reason.rfind("is an Outlook message (.msg)", 0), 0U) << found[0].Reason;
    }
}

} // namespace
