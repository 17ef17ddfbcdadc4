// The preview's reading of saved mail, case by case: mbox files under each convention, and the
// decoders that read charsets as Windows reads them.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "diagnosis/mail/iso_2022_jp.h"
#include "diagnosis/mail/labels.h"
#include "preview/charsets/decoding.h"
#include "preview/charsets/iconv_text.h"
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

TEST(Iso2022Jp, ReadsWhatCodePage932HoldsAndMarksTheRest) {
    const struct {
        const char *name;
        std::string jis;
        std::string utf8;
        size_t unreadable;
    } cases[] = {
        {"row 13 of the NEC extensions", "\x1B$B-!-j\x1B(B", "①㈱", 0},
        {"IBM extensions selected by NEC", "\x1B$By!\x1B(B", "纊", 0},
        {"half-width katakana by ESC ( I", "\x1B(I12\x1B(B", "ｱｲ", 0},
        {"half-width katakana by SO and SI",
         "a\x0E"
         "12\x0F"
         "b",
         "aｱｲb", 0},
        {"JIS X 0213 plane 1 where it is JIS X 0208", "\x1B$(Q0!\x1B(B", "亜", 0},
        {"JIS X 0213 plane 1 beyond code page 932", "\x1B$(Q.!\x1B(B", "\xEF\xBF\xBD", 1},
        {"JIS X 0212, one mark a character", "\x1B$(D0!0\"\x1B(B", "\xEF\xBF\xBD\xEF\xBF\xBD", 2},
        {"a Latin-1 character by single shift", "a\x1B.A\x1BNAb",
         "a\xEF\xBF\xBD"
         "b",
         1},
        {"half a character before the escape", "\x1B$B0\x1B(Bx", "\xEF\xBF\xBDx", 1},
        {"line breaks in any set", "\x1B$B0!\r\n0!\x1B(B", "亜\r\n亜", 0},
    };
    for (const auto &c : cases) {
        std::string cp932;
        Iso2022JpToCp932(c.jis, cp932);
        std::string utf8;
        EXPECT_EQ(Cp932ToUtf8(cp932, utf8), c.unreadable) << c.name;
        EXPECT_EQ(utf8, c.utf8) << c.name;
    }
}

TEST(Charset, EveryLabelReadsAsWindowsReadsIt) {
    const struct {
        const char *label;
        std::string bytes;
        std::string utf8;
        size_t unreadable;
    } cases[] = {
        {"Shift_JIS", "\x87\x40\x81\x60", "①～", 0},
        {"MS_Kanji", "\x87\x8A", "㈱", 0},
        {"Windows-31J", "\xFA\x40", "ⅰ", 0},
        {"csShiftJIS", "\xED\x40", "纊", 0},
        // An unassigned double-byte code is one mark: its trailing byte, '@', is not let through.
        {"SJIS", "\x85\x40x", "\xEF\xBF\xBDx", 1},
        {"ISO-2022-JP-MS", "\x1B$B-!\x1B(B", "①", 0},
        {"", "plain", "plain", 0},
        {"", "\xE2\x91\xA0", "①", 0},
        // US-ASCII and ISO-8859-1 labels are read as windows-1252, as browsers read them.
        {"us-ascii", "\x87\x40", "‡@", 0},
        {"iso-8859-1", "\x93quoted\x94", "“quoted”", 0},
        // Labels as gateways write them: blanks inside the quotes, a comment, another name.
        {"Shift_JIS ", "\x87\x40", "①", 0},
        {"Shift_JIS (Japanese)", "\x87\x8A", "㈱", 0},
        {"x-euc-jp", "\xAD\xA1\xAD\xEA", "①㈱", 0},
        {"cseucpkdfmtjapanese", "\xF9\xA1", "纊", 0},
        // Characters that straddle the decoder's pieces of 1,024 bytes are read whole.
        {"Shift_JIS", std::string(1023, 'a') + "\x87\x40", std::string(1023, 'a') + "①", 0},
        {"utf-8", std::string(1023, 'a') + "①", std::string(1023, 'a') + "①", 0},
        {"utf-8",
         "a\xFF"
         "b",
         "a\xEF\xBF\xBD"
         "b",
         1},
    };
    for (const auto &c : cases) {
        DecodedText text;
        std::string error;
        ASSERT_TRUE(DecodeText(c.bytes, c.label, text, error)) << c.label << ": " << error;
        EXPECT_EQ(text.Utf8, c.utf8) << c.label;
        EXPECT_EQ(text.Unreadable, c.unreadable) << c.label;
    }
    DecodedText text;
    std::string error;
    EXPECT_FALSE(DecodeText("x", "x-vesk-1", text, error));
    EXPECT_EQ(error, "unknown charset \"x-vesk-1\"");
    EXPECT_FALSE(DecodeText("x", "shift_jis\x0B", text, error));
    EXPECT_EQ(error, "unknown charset \"shift_jis\\x0B\"");
}

// Names as senders and gateways write them, the standard's and those of Windows' MIME charset
// database, each read as the encoding Windows reads it by.
const struct {
    const char *Label;
    const char *Encoding;
} KnownLabels[] = {
    {"Shift_JIS", "Shift_JIS"},
    {"x-ms-cp932", "Shift_JIS"},
    {"csWindows31J", "Shift_JIS"},
    {"ISO-2022-JP", "ISO-2022-JP"},
    {"_iso-2022-jp$ESC", "ISO-2022-JP"},
    {"_iso-2022-jp$SIO", "ISO-2022-JP"},
    {"csISO2022JP", "ISO-2022-JP"},
    {"EUC-JP", "EUC-JP"},
    {"x-euc", "EUC-JP"},
    {"iso-2022-jpeuc", "EUC-JP"},
    {"Extended_UNIX_Code_Packed_Format_for_Japanese", "EUC-JP"},
    {"utf-7", "UTF-7"},
    {"unicode-1-1-utf-7", "UTF-7"},
    {"x-unicode-2-0-utf-7", "UTF-7"},
    {"csUnicode11UTF7", "UTF-7"},
    {"utf-8", "UTF-8"},
    {"unicode-2-0-utf-8", "UTF-8"},
    {"x-unicode-2-0-utf-8", "UTF-8"},
    {"x-unicode-1-1-utf-8", "UTF-8"},
    {"unicode", "UTF-16LE"},
    {"unicodeFFFE", "UTF-16BE"},
    {"ucs-2", "UTF-16LE"},
    {"us-ascii", "windows-1252"},
    {"x-ansi", "windows-1252"},
    {"ANSI_X3.4-1986", "windows-1252"},
    {"latin9", "ISO-8859-15"},
    {"koi8r", "KOI8-R"},
    {"cn-gb", "GBK"},
    {"euc-cn", "GBK"},
    {"ks_c_5601", "EUC-KR"},
    {"csISO2022KR", "ISO-2022-KR"},
    {"437", "IBM437"},
    {"dos-862", "IBM862"},
};

TEST(Labels, EveryNameReadsAsItsEncoding) {
    for (const auto &known : KnownLabels) {
        const Encoding *encoding = EncodingOfNormalLabel(NormalLabel(known.Label));
        ASSERT_NE(encoding, nullptr) << known.Label;
        EXPECT_STREQ(encoding->Name, known.Encoding) << known.Label;
    }
    DecodedText text;
    std::string error;
    ASSERT_TRUE(DecodeText("+ZeVnLIqe-", "unicode-1-1-utf-7", text, error)) << error;
    EXPECT_EQ(text.Utf8, "日本語");
}

// The invalid spellings of the web-platform-tests (api-invalid-label): a NUL, a vertical tab, a
// no-break space or a line or paragraph separator before, after or around a label. None reaches a
// converter by its name: each is unknown, shown with what is not printable spelt out.
TEST(Labels, InvalidSpellingsAreUnknown) {
    const char *const Blanks[] = {"\0", "\v", "\u00A0", "\u2028", "\u2029"};
    const char *const Shown[] = {"\\x00", "\\x0B", "\\xC2\\xA0", "\\xE2\\x80\\xA8",
                                 "\\xE2\\x80\\xA9"};
    size_t spellings = 0;
    for (const auto &known : KnownLabels) {
        for (size_t b = 0; b < std::size(Blanks); ++b) {
            const std::string blank(Blanks[b], b == 0 ? 1 : std::strlen(Blanks[b]));
            const std::string before = blank + known.Label;
            const std::string after = known.Label + blank;
            for (const std::string &spelling : {before, after, before + blank}) {
                DecodedText text;
                std::string error;
                EXPECT_FALSE(DecodeText("x", spelling, text, error)) << spelling;
                EXPECT_NE(error.find(Shown[b]), std::string::npos) << error;
                ++spellings;
            }
        }
    }
    EXPECT_EQ(spellings, std::size(KnownLabels) * 15);
}

} // namespace
