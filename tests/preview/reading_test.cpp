// The preview's reading of mailboxes, case by case: mbox files under each convention.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "preview/mailbox/mbox_reader.h"
#include "string_source.h"

namespace {

const char *const FromLine = "From news@vesk.example Tue Dec  8 09:00:00 2026\n";

// The texts of an mbox's messages, as the reader takes them apart.
std::vector<std::string> TextsOf(const std::string &mbox) {
    std::vector<std::string> texts;
    MboxReader reader("mbox", std::make_unique<MemorySource>(mbox));
    for (std::string text; reader.ReadText(text);) {
        texts.push_back(text);
    }
    return texts;
}

std::string Mbox(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string &part : parts) {
        text += part;
    }
    return text;
}

TEST(Mailbox, SplitsAtFromLinesUnderEachConvention) {
    const std::string from = FromLine;
    const struct {
        const char *name;
        std::string mbox;
        std::vector<std::string> messages;
    } cases[] = {
        {"mboxrd quoting undone, one level a time",
         Mbox(
             {from, "Subject: 1\n\nbody\n>From here\n>>From there\n\n", from, "Subject: 2\n\nx\n"}),
         {"Subject: 1\n\nbody\nFrom here\n>From there\n", "Subject: 2\n\nx\n"}},
        {"a real From line without the empty line before it",
         Mbox({from, "Subject: 1\n\nbody\n", from, "Subject: 2\n\nx\n"}),
         {"Subject: 1\n\nbody\n", "Subject: 2\n\nx\n"}},
        {"a body line that starts with From is no message",
         Mbox({from, "Subject: 1\n\nbody\nFrom the garden, roses.\n"}),
         {"Subject: 1\n\nbody\nFrom the garden, roses.\n"}},
        {"Content-Length keeps an unquoted From line in the body",
         Mbox({from, "Content-Length: 54\n\nbody\n\n", from, "\n", from, "Subject: 2\n\nx\n"}),
         {"Content-Length: 54\n\nbody\n\n" + from, "Subject: 2\n\nx\n"}},
        {"a Content-Length that leads nowhere is not trusted",
         Mbox({from, "Content-Length: 3\n\nbody\n\n", from, "Subject: 2\n\nx\n"}),
         {"Content-Length: 3\n\nbody\n", "Subject: 2\n\nx\n"}},
        {"Netscape's From - lines start a message wherever they stand, dated or not",
         Mbox({"From - \n", "Subject: 1\n\nbody\n", "From - Tue Dec  8 09:00:00 2026\n",
               "Subject: 2\n\nx\n", "From - \nSubject: 3\n\ny\n"}),
         {"Subject: 1\n\nbody\n", "Subject: 2\n\nx\n", "Subject: 3\n\ny\n"}},
        {"CR LF line ends",
         "From a Tue Dec  8 09:00:00 2026\r\nSubject: 1\r\n\r\nbody\r\n\r\n"
         "From b Tue Dec  8 09:00:00 2026\r\nSubject: 2\r\n\r\nx\r\n",
         {"Subject: 1\r\n\r\nbody\r\n", "Subject: 2\r\n\r\nx\r\n"}},
    };
    for (const auto &c : cases) {
        EXPECT_TRUE(IsMbox(c.mbox)) << c.name;
        EXPECT_EQ(TextsOf(c.mbox), c.messages) << c.name;
    }
    EXPECT_FALSE(IsMbox("From: Weekly Vesk <news@vesk.example>\nSubject: 1\n\nbody\n"));
}

} // namespace
