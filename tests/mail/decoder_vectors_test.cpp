// The Japanese decoders against the web-platform-tests' vectors (encoding/legacy-mb-japanese and
// encoding/iso-2022-jp-decoder.html): every code of the table, and the error cases, each with the
// browsers' reading and, where Windows' code pages (which the mail client reads with) differ,
// Windows' reading and why.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "mail/charset_decoding.h"
#include "mail/unicode_text.h"

namespace {

std::string Bytes(std::initializer_list<int> list) {
    std::string bytes;
    for (const int byte : list) {
        bytes += static_cast<char>(byte);
    }
    return bytes;
}

std::string FromHex(const std::string &hex) {
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

std::string Read(const std::string &bytes, const char *label) {
    DecodedText text;
    EXPECT_TRUE(DecodeText(bytes, label, text)) << label;
    return Utf8FromWide(text.Wide);
}

// Each code as ISO-2022-JP, EUC-JP and Shift_JIS carry it, read as Windows reads it (the vectors
// are made by Python's cp932 codec from Microsoft's table: make_jis_vectors.py).
TEST(JapaneseDecoders, ReadEveryCodeAsWindowsDoes) {
    std::ifstream vectors(JIS_VECTORS);
    ASSERT_TRUE(vectors.good()) << JIS_VECTORS;
    size_t codes = 0;
    size_t wrong = 0;
    for (std::string line; std::getline(vectors, line); ++codes) {
        std::istringstream fields(line);
        std::string kind, jis, shiftJis, utf8;
        fields >> kind;
        if (kind == "jis") {
            fields >> jis;
        }
        fields >> shiftJis >> utf8;
        const std::string expected = FromHex(utf8);
        std::string forms = Read(FromHex(shiftJis), "shift_jis");
        if (kind == "jis") {
            const std::string code = FromHex(jis);
            const std::string euc = {static_cast<char>(code[0] | 0x80),
                                     static_cast<char>(code[1] | 0x80)};
            forms += Read("\x1B$B" + code + "\x1B(B", "iso-2022-jp");
            forms += Read(euc, "euc-jp");
        }
        std::string all = expected;
        if (kind == "jis") {
            all.append(expected).append(expected);
        }
        if (forms != all && ++wrong <= 5) {
            ADD_FAILURE() << line << ": read as " << forms;
        }
    }
    EXPECT_EQ(codes, 11280U);
    EXPECT_EQ(wrong, 0U);
}

TEST(JapaneseDecoders, ErrorVectorsReadAsWindowsReadsThem) {
    // Why Windows' reading differs from the browsers'.
    const char *const Redundant = "Windows takes an escape sequence that changes nothing, or "
                                  "follows another, without a mark: mail's lines often open so";
    const char *const Shifts = "SO and SI shift to half-width katakana and back, as Windows' "
                               "code page 50222 writes them; SO ends at a line break";
    const char *const Roman = "JIS-Roman reads as ASCII, as Windows reads it: code page 932 "
                              "keeps 0x5C and 0x7E where ASCII has them";
    const char *const LineBreak = "a line break or blank passes in every set, as in mail's lines";
    const char *const Pair = "Windows reads a lead byte and a byte that may follow it as one "
                             "character, assigned or not";
    const char *const Byte80 = "Windows reads 0x80 as U+0080, which code page 932 then writes "
                               "back; our Shift_JIS reader marks it, as the preview always has";
    const struct {
        const char *Label;
        std::string Bytes;
        const char *Browsers;
        const char *Windows; // null: as the browsers read it
        const char *Why;
    } cases[] = {
        // encoding/iso-2022-jp-decoder.html
        {"iso-2022-jp", Bytes({0x1B, 0x24}), "�$", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x50}), "�$P", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x28, 0x42, 0x50}), "�P", "P", Redundant},
        {"iso-2022-jp", Bytes({0x1B, 0x28, 0x42, 0x1B, 0x28, 0x42, 0x50}), "��P", "P", Redundant},
        {"iso-2022-jp", Bytes({0x50, 0x1B, 0x28, 0x42, 0x50}), "PP", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x5C, 0x5D, 0x7E}), "\\]~", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x0D, 0x0E, 0x0F, 0x10}), "\r��\x10", "\r\x10", Shifts},
        {"iso-2022-jp", Bytes({0x1B, 0x28, 0x4A, 0x5C, 0x5D, 0x7E}), "¥]‾", "\\]~", Roman},
        {"iso-2022-jp", Bytes({0x1B, 0x28, 0x4A, 0x0D, 0x0E, 0x0F, 0x10}), "\r��\x10", "\r\x10",
         Shifts},
        {"iso-2022-jp", Bytes({0x1B, 0x28, 0x4A, 0x1B, 0x1B, 0x28, 0x49, 0x50}), "�ﾐ", nullptr,
         nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x28, 0x49, 0x50}), "ﾐ", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x28, 0x49, 0x1B, 0x24, 0x40, 0x50, 0x50}), "�佩", "佩",
         Redundant},
        {"iso-2022-jp", Bytes({0x1B, 0x28, 0x49, 0x1B, 0x50}), "�ﾐ", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x28, 0x49, 0x1B, 0x24, 0x50}), "�､ﾐ", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x28, 0x49, 0x50, 0x1B, 0x28, 0x49, 0x50}), "ﾐﾐ", nullptr,
         nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x28, 0x49, 0x0D, 0x0E, 0x0F, 0x10}), "����", "\r�",
         LineBreak},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x40, 0x50, 0x50}), "佩", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x42, 0x50, 0x50}), "佩", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x42, 0x1B, 0x50, 0x50}), "�佩", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x40, 0x1B, 0x24, 0x40}), "�", "", Redundant},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x40, 0x1B, 0x24, 0x40, 0x50, 0x50}), "�佩", "佩",
         Redundant},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x40, 0x1B, 0x24, 0x42, 0x50, 0x50}), "�佩", "佩",
         Redundant},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x40, 0x1B, 0x24, 0x50, 0x50}), "�ば�", nullptr,
         nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x40, 0x50, 0x1B, 0x24, 0x40, 0x50, 0x50}), "�佩",
         nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x40, 0x20, 0x50}), "��", " �", LineBreak},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x40, 0x50, 0x20}), "�", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x50, 0x1B}), "P�", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x50, 0x1B, 0x24}), "P�$", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x50, 0x1B, 0x50}), "P�P", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x50, 0x1B, 0x28, 0x42}), "P", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x50, 0x1B, 0x28, 0x4A}), "P", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x50, 0x1B, 0x28, 0x49}), "P", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x50, 0x1B, 0x24, 0x40}), "P", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x50, 0x1B, 0x24, 0x42}), "P", nullptr, nullptr},
        // encoding/legacy-mb-japanese/iso-2022-jp/iso2022jp-decode-errors.html
        {"iso-2022-jp", Bytes({0x0E, 0x24, 0x42, 0x79, 0x56, 0x1B, 0x28, 0x42}), "�$ByV", "､ﾂ�ﾖ",
         Shifts},
        {"iso-2022-jp", Bytes({0x1B, 0x28, 0x4A, 0x0F, 0x1B, 0x28, 0x42}), "�", "", Shifts},
        {"iso-2022-jp", Bytes({0x1B, 0x28, 0x49, 0x65, 0x1B, 0x28, 0x42}), "�", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x42, 0x7F, 0x56, 0x1B, 0x28, 0x42}), "��", nullptr,
         nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x42, 0x24, 0x74}), "�", nullptr, nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x42, 0x79, 0x7F, 0x1B, 0x28, 0x42}), "�", nullptr,
         nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x65, 0x79, 0x56, 0x1B, 0x28, 0x42}), "�eyV", nullptr,
         nullptr},
        {"iso-2022-jp", Bytes({0x1B, 0x24, 0x65, 0x79, 0x56, 0x1B, 0x28, 0x42}), "�$eyV", nullptr,
         nullptr},
        // What Windows' reading of SO adds: it ends at an escape sequence and at a line break, and
        // a byte it holds no katakana for is one mark.
        {"iso-2022-jp", Bytes({0x41, 0x0E, 0x42, 0x1B, 0x28, 0x42, 0x43, 0x0A, 0x44}), "A�BC\nD",
         "AﾂC\nD", Shifts},
        {"iso-2022-jp", Bytes({0x0E, 0x31, 0x0A, 0x31}), "�1\n1", "ｱ\n1", Shifts},
        {"iso-2022-jp", Bytes({0x0E, 0x31, 0x61, 0x32}), "�1a2", "ｱ�ｲ", Shifts},
        // encoding/legacy-mb-japanese/shift_jis/sjis-decode-errors.html
        {"shift_jis", Bytes({0xFA}), "�", nullptr, nullptr},
        {"shift_jis", Bytes({0xFA, 0x6E, 0xFA}), "佖�", nullptr, nullptr},
        {"shift_jis", Bytes({0xFA, 0xFA, 0xFA}), "洄�", nullptr, nullptr},
        {"shift_jis", Bytes({0xFF}), "�", nullptr, nullptr},
        {"shift_jis", Bytes({0xA0}), "�", nullptr, nullptr},
        {"shift_jis", Bytes({0xE1}), "�", nullptr, nullptr},
        {"shift_jis", Bytes({0xFA, 0xFA, 0xFF}), "洄�", nullptr, nullptr},
        {"shift_jis", Bytes({0xFA, 0xFD}), "�", nullptr, nullptr},
        {"shift_jis", Bytes({0xFA, 0xFE}), "�", nullptr, nullptr},
        {"shift_jis", Bytes({0x81, 0xB5}), "�", nullptr, nullptr},
        {"shift_jis", Bytes({0x85, 0x40}), "�@", "�", Pair},
        {"shift_jis", Bytes({0x80}), "\u0080", "�", Byte80},
        // encoding/legacy-mb-japanese/euc-jp/eucjp-decode-errors.html
        {"euc-jp", Bytes({0xB0}), "�", nullptr, nullptr},
        {"euc-jp", Bytes({0xB0, 0xB5, 0xB0}), "圧�", nullptr, nullptr},
        {"euc-jp", Bytes({0xB0, 0xB0, 0xB0}), "旭�", nullptr, nullptr},
        {"euc-jp", Bytes({0xFF}), "�", nullptr, nullptr},
        {"euc-jp", Bytes({0xB0, 0xB5, 0xFF}), "圧�", nullptr, nullptr},
        {"euc-jp", Bytes({0x91}), "�", nullptr, nullptr},
        {"euc-jp", Bytes({0xB0, 0xB5, 0x91}), "圧�", nullptr, nullptr},
        {"euc-jp", Bytes({0xB0, 0x31}), "�1", nullptr, nullptr},
        {"euc-jp", Bytes({0xB0, 0xFF}), "�", nullptr, nullptr},
        {"euc-jp", Bytes({0xB0, 0xA0}), "�", nullptr, nullptr},
        {"euc-jp", Bytes({0xA2, 0xB9}), "�", nullptr, nullptr},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(c.Windows == nullptr, c.Why == nullptr) << c.Label << " " << c.Browsers;
        const char *const expected = c.Windows != nullptr ? c.Windows : c.Browsers;
        EXPECT_EQ(Read(c.Bytes, c.Label), expected) << c.Label << " " << c.Browsers;
    }
}

} // namespace
