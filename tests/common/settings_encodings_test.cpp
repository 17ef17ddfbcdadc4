// Settings as today's editors save them, in code page 932: the same settings in Shift_JIS, UTF-8
// with and without a byte-order mark and UTF-16 either way round show the same boxes; a value in
// Shift_JIS that happens to be well-formed UTF-8 is read as Shift_JIS when UTF-8 would not give
// it whole.
#include <gtest/gtest.h>

#include <string>

#include "plugin_under_test.h"
#include "scenario.h"
#include "test_host.h"

namespace {

class DoubleByteSettings : public ScenarioTest {
  protected:
    void SetUp() override { Arrange(932, {}); }
};

std::string Utf8Of(const std::u16string &text) {
    std::string utf8;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
        } else if (c < 0x10000) {
            utf8 += {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)),
                     static_cast<char>(0x80 | (c & 0x3F))};
        } else {
            utf8 +=
                {static_cast<char>(0xF0 | c >> 18), static_cast<char>(0x80 | (c >> 12 & 0x3F)),
                 static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
        }
    }
    return utf8;
}

std::string Utf16Of(const std::u16string &text, bool bigEndian) {
    std::string bytes;
    for (const char16_t unit : u"\uFEFF" + text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// "◆◆今週の話題" and "━━━━━━" in Shift_JIS.
const std::string Keyword = "\x81\x9F\x81\x9F\x8D\xA1\x8F\x54\x82\xCC\x98\x62\x91\xE8";
const std::string Separator = "\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84\xAA\x84\xAA";

TEST_F(DoubleByteSettings, EveryEncodingOfTheSameSettingsShowsTheSameBoxes) {
    const std::u16string text = u"; 設定\r\n[dovrink]\r\nkeyword0=◆◆今週の話題\r\n"
                                u"keyword1=### Tips\r\nseparator=━━━━━━\r\nline=5\r\n";
    const std::string shiftJis = "; \x90\xDD\x92\xE8\r\n[dovrink]\r\nkeyword0=" + Keyword +
                                 "\r\nkeyword1=### Tips\r\nseparator=" + Separator +
                                 "\r\nline=5\r\n";
    const struct {
        const char *encoding;
        std::string file;
    } files[] = {
        {"Shift_JIS", shiftJis},
        {"UTF-8", Utf8Of(text)},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBF" + Utf8Of(text)},
        {"UTF-16 little-endian", Utf16Of(text, false)},
        {"UTF-16 big-endian", Utf16Of(text, true)},
    };
    const std::string body = Body({"Weekly Vesk", Keyword, "1", "2", "3", "4", "5", "6", "7",
                                   Separator, "### Tips", "sharpen", Separator});
    const std::string caption = Keyword.substr(4);
    const std::vector<ShownBox> expected = {
        {caption, caption + "\r\n1\r\n2\r\n3\r\n4\r\n5\r"},
        {caption, "\n6\r\n7"},
        {"Tips", "Tips\r\nsharpen"},
    };
    for (const auto &file : files) {
        WriteSettings(HostFolder(), file.file);
        EXPECT_EQ(ViewOnce(body), expected) << file.encoding;
    }
}

TEST_F(DoubleByteSettings, ShiftJisThatPassesForUtf8IsReadAsShiftJis) {
    // "燿　Tips" is E0 A0 81 40 ...: as UTF-8 "\u0801@Tips", which code page 932 cannot hold.
    const std::string keyword = "\xE0\xA0\x81\x40Tips";
    WriteSettings(HostFolder(), SettingsText({"[dovrink]", "keyword0=" + keyword}));
    EXPECT_EQ(ViewOnce(Body({"Weekly Vesk", keyword, "sharpen", "========="})),
              (std::vector<ShownBox>{{"Tips", "Tips\r\nsharpen"}}));
}

} // namespace
