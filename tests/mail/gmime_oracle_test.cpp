// mail/ held against GMime on every saved mail of the tests (each message of the mailboxes among
// them, as the preview takes them apart): the part chosen, its charset label, its transfer
// encoding and its bytes with the transfer encoding undone must be GMime's, but where our reading
// is more lenient on purpose, as the table of exceptions says.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gmime_reading.h"
#include "mail/content_type.h"
#include "mail/mime_entity.h"
#include "mail/text_choice.h"
#include "mail/transfer_encoding.h"
#include "preview/mailbox/mail_source.h"

namespace {

// The saved mail of the tests, from the source tree.
const char *const MailPlaces[] = {
    "examples",         "tests/preview/mail", "tests/preview/mailboxes", "tests/preview/encodings",
    "tests/wine/check", "tests/issues"};

// Messages that GMime reads otherwise, on purpose, and why.
struct Exception {
    const char *Name; // as the mail source names the message, from its place on
    const char *Why;
};
const std::vector<Exception> Exceptions = {
    {"tests/preview/mailboxes/readers/05-blanks-before-fields.eml",
     "a first line of blanks makes GMime take the message for one without a header; clients read "
     "on to the fields after it"},
};

struct OurReading {
    bool Found = false;
    std::string Part, Charset, Encoding, Bytes;
};

OurReading ReadOurs(const std::string &bytes) {
    OurReading read;
    TextChoice choice;
    if (ChooseText(bytes, EntityAt(bytes, 0, bytes.size()), choice) != ChoiceFound::Found) {
        return read;
    }
    const MimeEntity &part = choice.Part;
    read.Found = true;
    read.Part = PartName(choice);
    read.Charset = ParameterOf(FieldOf(part, "Content-Type"), "charset");
    read.Encoding = TransferEncodingOf(FieldOf(part, "Content-Transfer-Encoding"));
    read.Bytes =
        DecodeTransfer(bytes.substr(part.BodyBegin, part.BodyEnd - part.BodyBegin), read.Encoding);
    return read;
}

bool IsException(const std::string &name) {
    for (const auto &exception : Exceptions) {
        if (name.find(exception.Name) != std::string::npos) {
            return true;
        }
    }
    return false;
}

// What differs between the two readings, or empty.
std::string Difference(const GMimeReading &gmime, const OurReading &ours) {
    if (gmime.Found != ours.Found) {
        return std::string("GMime ") + (gmime.Found ? "finds" : "finds no") + " text part";
    }
    if (!gmime.Found) {
        return {};
    }
    std::string differs;
    differs += gmime.Part != ours.Part ? " part: " + gmime.Part + " / " + ours.Part : "";
    differs +=
        gmime.Charset != ours.Charset ? " charset: " + gmime.Charset + " / " + ours.Charset : "";
    differs += gmime.Encoding != ours.Encoding
                   ? " encoding: " + gmime.Encoding + " / " + ours.Encoding
                   : "";
    differs += gmime.Bytes != ours.Bytes ? " bytes differ" : "";
    return differs;
}

TEST(MailAgainstGMime, EverySavedMailOfTheTests) {
    std::vector<std::string> places;
    for (const char *place : MailPlaces) {
        places.push_back(std::string(SOURCE_DIR) + "/" + place);
    }
    MailSource source(places);
    size_t compared = 0;
    size_t excepted = 0;
    for (SavedMessage saved; source.Next(saved);) {
        if (saved.What != SavedMessage::Kind::Message || !saved.IsMail) {
            continue;
        }
        ++compared;
        const std::string differs = Difference(ReadWithGMime(saved.Bytes), ReadOurs(saved.Bytes));
        if (IsException(saved.Name)) {
            EXPECT_NE(differs, "") << saved.Name << ": listed as an exception, but read alike";
            ++excepted;
            continue;
        }
        EXPECT_EQ(differs, "") << saved.Name;
    }
    EXPECT_EQ(excepted, Exceptions.size());
    EXPECT_GT(compared, 60U) << compared;
}

} // namespace
