#include "diagnosis/characters.h"

#include "platform/saved_text.h"
#include "platform/text_encoding.h"

namespace {

bool In(WCHAR c, unsigned first, unsigned last) { return c >= first && c <= last; }

// Half-width katakana and their marks, U+FF61 to U+FF9F, as full-width characters.
const WCHAR FullWidthKana[] = {
    0x3002, 0x300C, 0x300D, 0x3001, 0x30FB, 0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9,
    0x30E3, 0x30E5, 0x30E7, 0x30C3, 0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB,
    0x30AD, 0x30AF, 0x30B1, 0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1,
    0x30C4, 0x30C6, 0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5,
    0x30D8, 0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9,
    0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3, 0x309B, 0x309C,
};

constexpr WCHAR VoicedMark = 0xFF9E;
constexpr WCHAR SemiVoicedMark = 0xFF9F;

// The katakana with the voiced (or semi-voiced) mark joined, or 0 when it takes none.
WCHAR Voiced(WCHAR kana, bool semi) {
    const bool row = In(kana, 0x30AB, 0x30C8) && !(In(kana, 0x30C3, 0x30C3));
    const bool ha =
        kana == 0x30CF || kana == 0x30D2 || kana == 0x30D5 || kana == 0x30D8 || kana == 0x30DB;
    if (semi) {
        return ha ? static_cast<WCHAR>(kana + 2) : 0;
    }
    if (kana == 0x30A6) {
        return 0x30F4;
    }
    return row || ha ? static_cast<WCHAR>(kana + 1) : 0;
}

// One character in its lenient form.
WCHAR Lenient(WCHAR c) {
    if (In(c, 0xFF01, 0xFF5E)) {
        c = static_cast<WCHAR>(c - 0xFF01 + 0x21);
    }
    switch (c) {
    case 0x3000:
        return ' ';
    case 0x2010:
    case 0x2013:
    case 0x2014:
    case 0x2015:
    case 0x2212:
    case 0x2500:
    case 0x2501:
        return '-';
    case 0x2016:
    case 0x2225:
    case 0x2502:
    case 0x2503:
    case 0x00A6:
        return '|';
    case 0x301C:
    case 0x223C:
        return '~';
    case 0x25A1:
        return 0x25A0;
    case 0x25C7:
        return 0x25C6;
    case 0x25CB:
        return 0x25CF;
    case 0x2606:
        return 0x2605;
    case 0x25B3:
        return 0x25B2;
    case 0x25BD:
        return 0x25BC;
    default:
        return In(c, 0xFF61, 0xFF9F) ? FullWidthKana[c - 0xFF61] : c;
    }
}

} // namespace

bool IsLetter(WCHAR c) {
    return In(c, 'A', 'Z') || In(c, 'a', 'z') || In(c, 0x00C0, 0x024F) || In(c, 0x0391, 0x03C9) ||
           In(c, 0x0401, 0x0451) || In(c, 0x3041, 0x3096) || In(c, 0x30A1, 0x30FA) || c == 0x30FC ||
           c == 0x3005 || c == 0x3007 || In(c, 0x3400, 0x4DBF) || In(c, 0x4E00, 0x9FFF) ||
           In(c, 0xF900, 0xFAFF) || In(c, 0xFF21, 0xFF3A) || In(c, 0xFF41, 0xFF5A) ||
           In(c, 0xFF66, 0xFF9D);
}

bool IsDigit(WCHAR c) { return In(c, '0', '9') || In(c, 0xFF10, 0xFF19); }

bool IsBlank(WCHAR c) { return c == ' ' || c == '\t' || c == 0x3000; }

void TrimBlanks(const WideText &text, size_t &first, size_t &last) {
    while (first < last && IsBlank(text[first])) {
        ++first;
    }
    while (last > first && IsBlank(text[last - 1])) {
        --last;
    }
}

WideText LenientForm(const WideText &text, std::vector<size_t> &from) {
    WideText lenient;
    from.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        const bool mark =
            i + 1 < text.size() && (text[i + 1] == VoicedMark || text[i + 1] == SemiVoicedMark);
        const WCHAR joined =
            mark && In(text[i], 0xFF61, 0xFF9D)
                ? Voiced(FullWidthKana[text[i] - 0xFF61], text[i + 1] == SemiVoicedMark)
                : 0;
        lenient += joined != 0 ? joined : Lenient(text[i]);
        from.push_back(i);
        i += joined != 0 ? 1 : 0;
    }
    from.push_back(text.size());
    return lenient;
}

long LookAlikeInCodePage(long codePoint) {
    const struct {
        long From;
        long To;
    } lookAlikes[] = {
        {0x301C, 0xFF5E}, {0x2212, 0xFF0D}, {0x2016, 0x2225}, {0x2014, 0x2015},
        {0x00A2, 0xFFE0}, {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2}, {0x00A6, 0xFFE4},
    };
    for (const auto &pair : lookAlikes) {
        char utf8[4];
        if (pair.From == codePoint) {
            const size_t length = EncodeUtf8(static_cast<char32_t>(pair.To), utf8);
            return FirstCharacterBeyondCodePage(utf8, length) < 0 ? pair.To : 0;
        }
    }
    return 0;
}
