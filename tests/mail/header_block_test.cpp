// Header blocks as readers' mail has them: read on to the empty line past what is no field, as
// clients read them, and a plain text still not taken for a mail.
#include <gtest/gtest.h>

#include <string>

#include "mail/header_block.h"
#include "mail/mail_body.h"

namespace {

const std::string Body = "Weekly Vesk 120\r\n### News\r\n";

TEST(MailHeader, ReadOnToTheEmptyLineAsClientsDo) {
    const struct {
        const char *What;
        std::string Text;
        bool Mail;
        size_t BodyLine; // when it is one
    } cases[] = {
        {"a field name with a tab, a blank and marks",
         "From: a@example.jp\r\nX-Script/function/\t !#$%&: TEST\r\nSubject: x\r\n\r\n" + Body,
         true, 5},
        {"a line with no colon between two fields",
         "From: a@example.jp\r\nsent by the club's mailer\r\nSubject: x\r\n\r\n" + Body, true, 5},
        {"a line of 8-bit bytes after the fields",
         "From: a@example.jp\r\nSubject: x\r\n\x8C\x8F\x96\xBC\r\n\r\n" + Body, true, 5},
        {"a first line of blanks before the fields", " \t \r\nFrom: a@example.jp\r\n\r\n" + Body,
         true, 4},
        {"lines of blanks, LF alone", "  \n  \nSubject: x\n\n" + Body, true, 5},
        // Still no mail: a plain issue, a text whose fields no mail carries, one that reads like
        // a field above a title, a continued line before any field, a header that never ends.
        {"a plain issue", Body + "\r\nFrom: a@example.jp\r\n", false, 0},
        {"no field that every mail carries", "Note: x\r\nWhere: y\r\n\r\n" + Body, false, 0},
        {"an odd line before the first field", "Weekly Vesk\r\nFrom: a@example.jp\r\n\r\n" + Body,
         false, 0},
        {"a newsletter whose first line reads like a field",
         "Date: 2027-01-18\r\nWeekly Vesk Vol.47\r\n\r\n" + Body, false, 0},
        {"a continued line first", " x\r\nFrom: a@example.jp\r\n\r\n" + Body, false, 0},
        {"no empty line", "From: a@example.jp\r\nSubject: x\r\n", false, 0},
    };
    for (const auto &c : cases) {
        MailHeader header{};
        ASSERT_EQ(FindMailHeader(c.Text, header), c.Mail) << c.What;
        MailBody mail;
        ASSERT_EQ(ReadMailBody(c.Text, 1252, mail), c.Mail) << c.What;
        if (c.Mail) {
            EXPECT_EQ(header.BodyLine, c.BodyLine) << c.What;
            EXPECT_EQ(c.Text.substr(header.BodyStart), Body) << c.What;
            EXPECT_EQ(mail.Text, Body) << c.What;
        }
    }
}

} // namespace
