#include "mail/euc_jp.h"

#include <algorithm>

#include "mail/euc_jp_ms.h"
#include "mail/jis_codes.h"
#include "mail/shift_jis.h"

namespace {

bool InRange(unsigned char byte, unsigned first, unsigned last) {
    return byte >= first && byte <= last;
}

bool IsEucByte(unsigned char byte) { return InRange(byte, 0xA1, 0xFE); }

// The user-defined rows 85 to 94 of JIS X 0212 follow those of JIS X 0208 in code page 932's
// user-defined area, 188 characters a lead byte.
void AppendUserDefined(unsigned first, unsigned second, std::string &cp932) {
    const unsigned index = 940 + (first - 0xF5) * 94 + (second - 0xA1);
    const unsigned trail = index % 188;
    cp932 += static_cast<char>(0xF0 + index / 188);
    cp932 += static_cast<char>(0x40 + trail + (trail >= 0x3F ? 1 : 0));
}

// A character after 0x8F: JIS X 0212, where eucJP-ms also puts the IBM characters that code page
// 932 holds; the others are unreadable here.
void AppendSupplementary(unsigned first, unsigned second, std::string &cp932) {
    if (first >= 0xF5) {
        AppendUserDefined(first, second, cp932);
        return;
    }
    const auto code = static_cast<std::uint16_t>(first << 8 | second);
    const auto *end = std::end(IbmCharactersOfEucJpMs);
    const auto *found = std::lower_bound(
        std::begin(IbmCharactersOfEucJpMs), end, code,
        [](const EucJpMsCode &known, std::uint16_t euc) { return known.Euc < euc; });
    if (found == end || found->Euc != code) {
        cp932 += UnreadableInCp932;
        return;
    }
    cp932 += static_cast<char>(found->Cp932 >> 8);
    cp932 += static_cast<char>(found->Cp932 & 0xFF);
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
        AppendSupplementary(next(1), next(2), cp932);
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

size_t AppendEucJpText(const std::string &text, WideText &wide) {
    std::string cp932;
    cp932.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        at += Step(text, at, cp932);
    }
    return AppendCp932Text(cp932, wide);
}
