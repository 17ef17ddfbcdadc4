#include "preview/charsets/euc_jp.h"

#include "diagnosis/mail/jis_codes.h"
#include "platform/posix/text_conversion.h"
#include "preview/charsets/iconv_text.h"

namespace {

bool InRange(unsigned char byte, unsigned first, unsigned last) {
    return byte >= first && byte <= last;
}

bool IsEucByte(unsigned char byte) { return InRange(byte, 0xA1, 0xFE); }

// A character after 0x8F: JIS X 0212, where eucJP-ms also puts the IBM characters that code page
// 932 holds; the others are unreadable here.
void AppendSupplementary(const std::string &triple, std::string &cp932) {
    std::string converted;
    size_t missing = 0;
    if (ConvertText(triple, "EUC-JP-MS", "CP932", SequenceUnit::Byte, "", converted, missing) &&
        missing == 0 && !converted.empty()) {
        cp932 += converted;
    } else {
        cp932 += UnreadableInCp932;
    }
}

// Reads the character at `at` into code page 932; returns its length.
size_t Step(const std::string &text, size_t at, std::string &cp932) {
    const auto byte = static_cast<unsigned char>(text[at]);
    const auto next = [&text, at](size_t k) {
        return at + k < text.size() ? static_cast<unsigned char>(text[at + k]) : 0;
    };
    if (byte < 0x80) {
        cp932 += text[at];
        return 1;
    }
    if (byte == 0x8E && InRange(next(1), 0xA1, 0xDF)) {
        cp932 += static_cast<char>(next(1));
        return 2;
    }
    if (byte == 0x8F && IsEucByte(next(1)) && IsEucByte(next(2))) {
        AppendSupplementary(text.substr(at, 3), cp932);
        return 3;
    }
    if (IsEucByte(byte) && IsEucByte(next(1))) {
        AppendShiftJis(byte - 0x80u, next(1) - 0x80u, cp932);
        return 2;
    }
    // A lead byte and an 8-bit byte that cannot follow it are one mark; an ASCII byte after it
    // is read on its own.
    cp932 += UnreadableInCp932;
    const bool lead = byte == 0x8E || byte == 0x8F || IsEucByte(byte);
    return lead && next(1) >= 0x80 ? 2 : 1;
}

} // namespace

size_t EucJpToUtf8(const std::string &text, std::string &utf8) {
    std::string cp932;
    cp932.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        at += Step(text, at, cp932);
    }
    return Cp932ToUtf8(cp932, utf8);
}
