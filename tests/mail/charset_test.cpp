// The decoders of mail/, case by case: ISO-2022-JP into code page 932, every label as Windows
// reads it, the invalid spellings of labels, and the IBM characters of eucJP-ms against glibc.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cstring>
#include <iterator>
#include <string>

#include "mail/charset_decoding.h"
#include "mail/euc_jp_ms.h"
#include "mail/iso_2022_jp.h"
#include "mail/shift_jis.h"
#include "mail/unicode_text.h"

namespace {

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
        WideText wide;
        EXPECT_EQ(AppendCp932Text(cp932, wide), c.unreadable) << c.name;
        EXPECT_EQ(Utf8FromWide(wide), c.utf8) << c.name;
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
        ASSERT_TRUE(DecodeText(c.bytes, c.label, text)) << c.label;
        EXPECT_EQ(Utf8FromWide(text.Wide), c.utf8) << c.label;
        EXPECT_EQ(text.Unreadable, c.unreadable) << c.label;
    }
    DecodedText text;
    EXPECT_FALSE(DecodeText("x", "x-vesk-1", text));
    EXPECT_EQ(text.Is, nullptr);
    EXPECT_FALSE(DecodeText("x", "shift_jis\x0B", text));
    EXPECT_EQ(EscapedLabel("shift_jis\x0B"), "shift_jis\\x0B");
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
    ASSERT_TRUE(DecodeText("+ZeVnLIqe-", "unicode-1-1-utf-7", text));
    EXPECT_EQ(Utf8FromWide(text.Wide), "日本語");
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
                EXPECT_FALSE(DecodeText("x", spelling, text)) << spelling;
                EXPECT_NE(EscapedLabel(spelling).find(Shown[b]), std::string::npos) << spelling;
                ++spellings;
            }
        }
    }
    EXPECT_EQ(spellings, std::size(KnownLabels) * 15);
}

// Every IBM character that eucJP-ms writes after 0x8F is in the table at the bytes glibc's
// converter writes it at in code page 932, and nothing else is.
TEST(EucJpMs, IbmCharactersAsGlibcConvertsThem) {
    iconv_t converter = iconv_open("CP932", "EUC-JP-MS");
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
    size_t found = 0;
    const auto *table = std::begin(IbmCharactersOfEucJpMs);
    for (unsigned first = 0xA1; first < 0xF5; ++first) {
        for (unsigned second = 0xA1; second <= 0xFE; ++second) {
            char in[3] = {'\x8F', static_cast<char>(first), static_cast<char>(second)};
            char out[8];
            char *from = in;
            char *to = out;
            size_t left = sizeof in;
            size_t room = sizeof out;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
            if (iconv(converter, &from, &left, &to, &room) == static_cast<size_t>(-1)) {
                continue;
            }
            ASSERT_EQ(to - out, 2);
            ASSERT_NE(table, std::end(IbmCharactersOfEucJpMs));
            EXPECT_EQ(table->Euc, first << 8 | second);
            EXPECT_EQ(table->Cp932,
                      static_cast<unsigned char>(out[0]) << 8 | static_cast<unsigned char>(out[1]));
            ++table;
            ++found;
        }
    }
    iconv_close(converter);
    EXPECT_EQ(found, std::size(IbmCharactersOfEucJpMs));
}

} // namespace
