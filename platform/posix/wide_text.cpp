// MultiByteToWideChar and WideCharToMultiByte with Windows' rules, checked against Wine: a
// sequence that cannot be read becomes one replacement, a character the code page lacks the
// default character for each of its UTF-16 units. The code pages' own tables come from iconv.
#include <iconv.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/posix/code_pages.h"
#include "platform/posix/text_conversion.h"
#include "platform/posix/windows_api.h"
#include "platform/text_encoding.h"

namespace {

constexpr char16_t ReplacementChar = 0xFFFD;

// An iconv converter, kept open for the thread, so that a text read a character at a time costs
// no more than one read whole.
class Converter {
  public:
    Converter(const char *to, const char *from) : Handle(OpenConverter(from, to)) {}

    bool Usable() const { return Handle != reinterpret_cast<iconv_t>(-1); }

    // The whole of `in` converted, or false when it does not convert whole.
    bool Convert(const char *in, size_t length, std::string &out) {
        char buffer[16];
        char *from = const_cast<char *>(in);
        size_t left = length;
        char *to = buffer;
        size_t room = sizeof buffer;
        iconv(Handle, nullptr, nullptr, nullptr, nullptr);
        if (iconv(Handle, &from, &left, &to, &room) == static_cast<size_t>(-1) || left != 0) {
            return false;
        }
        out.assign(buffer, static_cast<size_t>(to - buffer));
        return true;
    }

  private:
    iconv_t Handle;
};

const CodePage *PageOf(UINT codePage) {
    return FindConvertedCodePage(codePage == CP_ACP ? GetACP() : codePage);
}

void AppendCodePoint(char32_t c, std::u16string &out) {
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (c >> 10));
        out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    }
}

// The code point that iconv reads from `bytes` of a code page (as UTF-32LE), or 0.
char32_t CodePointOf(Converter &toUtf32, const char *bytes, size_t length) {
    std::string utf32;
    if (!toUtf32.Convert(bytes, length, utf32) || utf32.size() != 4) {
        return 0;
    }
    const auto *b = reinterpret_cast<const unsigned char *>(utf32.data());
    return static_cast<char32_t>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<char32_t>(b[3]) << 24);
}

bool DecodeUtf8(const char *text, size_t length, bool strict, std::u16string &out) {
    Converter toUtf32("UTF-32LE", "UTF-8");
    for (size_t i = 0; i < length;) {
        bool wellFormed = false;
        const size_t unit = Utf8SequenceLength(text + i, length - i, wellFormed);
        if (!wellFormed && strict) {
            return false;
        }
        AppendCodePoint(wellFormed ? CodePointOf(toUtf32, text + i, unit) : ReplacementChar, out);
        i += unit;
    }
    return true;
}

// GB18030's four-byte form: lead, digit, lead, digit.
bool IsFourByteAt(const CodePage &page, const char *text, size_t left) {
    const auto digit = [text](size_t k) { return text[k] >= '0' && text[k] <= '9'; };
    return page.Form == CodePageForm::FourByte && left > 3 && digit(1) &&
           IsLeadByteOf(page, static_cast<unsigned char>(text[2])) && digit(3);
}

// A code page with shift states, converted whole; Windows takes no MB_ERR_INVALID_CHARS for one.
bool DecodeShifting(const CodePage &page, const char *text, size_t length, bool strict,
                    std::u16string &out) {
    std::string utf16;
    size_t replaced = 0;
    if (strict || !ConvertText(std::string(text, length), page.IconvName, "UTF-16LE",
                               SequenceUnit::Byte, "\xFD\xFF", utf16, replaced)) {
        return false;
    }
    for (size_t i = 0; i + 1 < utf16.size(); i += 2) {
        out += static_cast<char16_t>(static_cast<unsigned char>(utf16[i]) |
                                     static_cast<unsigned char>(utf16[i + 1]) << 8);
    }
    return true;
}

// A double-byte character's lead takes the next byte whatever it is: an unreadable pair (or a
// lead at the end) is one unreadable character. Strictly, as with MB_ERR_INVALID_CHARS, such a
// pair, or a byte that Windows reads only as a private-use stand-in, fails the conversion.
bool DecodeAnsi(const CodePage &page, const char *text, size_t length, bool strict,
                std::u16string &out) {
    Converter toUtf32("UTF-32LE", page.IconvName);
    if (!toUtf32.Usable()) {
        return false;
    }
    for (size_t i = 0; i < length;) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (IsLeadByteOf(page, byte) && IsFourByteAt(page, text + i, length - i)) {
            const char32_t c = CodePointOf(toUtf32, text + i, 4);
            if (c == 0 && strict) {
                return false;
            }
            AppendCodePoint(c != 0 ? c : UnreadableChar(page), out);
            i += 4;
            continue;
        }
        if (IsLeadByteOf(page, byte)) {
            const char32_t c = i + 1 < length ? CodePointOf(toUtf32, text + i, 2) : 0;
            if (c == 0 && strict) {
                return false;
            }
            AppendCodePoint(c != 0 ? c : UnreadableChar(page), out);
            i += 2;
            continue;
        }
        char32_t c = byte == 0 ? 0 : CodePointOf(toUtf32, text + i, 1);
        if (c == 0 && byte != 0) {
            const char16_t unassigned = UnassignedByteChar(page, byte);
            const bool privateUse = unassigned >= 0xE000 && unassigned <= 0xF8FF;
            if (strict && (unassigned == 0 || privateUse)) {
                return false;
            }
            c = unassigned != 0 ? unassigned : u'?';
        }
        AppendCodePoint(c, out);
        ++i;
    }
    return true;
}

// The code point at `i` of UTF-16 text, moving `i` past it; an unpaired surrogate is read as
// itself.
char32_t NextCodePoint(const WCHAR *wide, size_t length, size_t &i) {
    const char32_t first = wide[i++];
    if (IsHighSurrogate(first) && i < length && IsLowSurrogate(wide[i])) {
        return 0x10000 + ((first - 0xD800) << 10) + (wide[i++] - 0xDC00);
    }
    return first;
}

void WideToUtf8(const WCHAR *wide, size_t length, std::string &out) {
    for (size_t i = 0; i < length;) {
        char32_t c = NextCodePoint(wide, length, i);
        if (c >= 0xD800 && c <= 0xDFFF) {
            c = ReplacementChar;
        }
        char bytes[4];
        out.append(bytes, EncodeUtf8(c, bytes));
    }
}

// The byte that Windows writes for a character iconv's table lacks, when it is one of the
// unassigned bytes that Windows reads as that character; 0 when there is none.
unsigned char UnassignedByteFor(const CodePage &page, char32_t c) {
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        if (UnassignedByteChar(page, static_cast<unsigned char>(byte)) == c) {
            return static_cast<unsigned char>(byte);
        }
    }
    return 0;
}

// Without best fit (WC_NO_BEST_FIT_CHARS), a character is written only as bytes that read back as
// it: iconv's one-way mappings, such as U+301C to the 0x8160 of code page 932 (which reads as
// U+FF5E), are Windows' best fit, and give the default character instead.
bool EncodeAnsi(const CodePage &page, const WCHAR *wide, size_t length, bool bestFit,
                const char *defaultChar, std::string &out, bool &usedDefault) {
    Converter fromUtf32(page.IconvName, "UTF-32LE");
    Converter toUtf32("UTF-32LE", page.IconvName);
    if (!fromUtf32.Usable() || !toUtf32.Usable()) {
        return false;
    }
    for (size_t i = 0; i < length;) {
        const size_t start = i;
        const char32_t c = NextCodePoint(wide, length, i);
        const char utf32[4] = {static_cast<char>(c), static_cast<char>(c >> 8),
                               static_cast<char>(c >> 16), static_cast<char>(c >> 24)};
        std::string bytes;
        const bool encoded = fromUtf32.Convert(utf32, sizeof utf32, bytes);
        if (encoded &&
            (bestFit || c == 0 || CodePointOf(toUtf32, bytes.data(), bytes.size()) == c)) {
            out += bytes;
        } else if (const unsigned char byte = UnassignedByteFor(page, c)) {
            out += static_cast<char>(byte);
        } else {
            // One default character for each UTF-16 unit, as Windows writes them.
            for (size_t unit = start; unit < i; ++unit) {
                out += defaultChar;
            }
            usedDefault = true;
        }
    }
    return true;
}

// The length of a text given with its length, or NUL-terminated (-1: the terminator counts).
template <typename Char> size_t LengthOf(const Char *text, int length) {
    if (length >= 0) {
        return static_cast<size_t>(length);
    }
    size_t counted = 0;
    while (text[counted] != 0) {
        ++counted;
    }
    return counted + 1;
}

// The converted text into the caller's buffer, or the size it needs when it gives none; 0 when
// it does not fit.
template <typename Char, typename Text> int Deliver(const Text &converted, Char *out, int room) {
    const auto size = static_cast<int>(converted.size());
    if (room == 0) {
        return size;
    }
    if (size > room) {
        return 0;
    }
    // Windows' text is counted, not terminated: a terminator is delivered only when counted in.
    std::copy(converted.begin(), converted.end(), out);
    return size;
}

} // namespace

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int length, WCHAR *wide,
                        int wideLength) {
    if (text == nullptr || length == 0 || wideLength < 0) {
        return 0;
    }
    const size_t count = LengthOf(text, length);
    const bool strict = (flags & MB_ERR_INVALID_CHARS) != 0;
    std::u16string out;
    bool converted = false;
    if (codePage == CP_UTF8) {
        converted = DecodeUtf8(text, count, strict, out);
    } else if (const CodePage *page = PageOf(codePage)) {
        converted = page->Form == CodePageForm::Shifting
                        ? DecodeShifting(*page, text, count, strict, out)
                        : DecodeAnsi(*page, text, count, strict, out);
    }
    return converted ? Deliver(out, wide, wideLength) : 0;
}

int WideCharToMultiByte(UINT codePage, DWORD flags, const WCHAR *wide, int wideLength, LPSTR text,
                        int length, LPCSTR defaultChar, BOOL *usedDefaultChar) {
    if (wide == nullptr || wideLength == 0 || length < 0) {
        return 0;
    }
    const size_t count = LengthOf(wide, wideLength);
    std::string out;
    bool usedDefault = false;
    bool converted = true;
    if (codePage == CP_UTF8) {
        WideToUtf8(wide, count, out);
    } else if (const CodePage *page = PageOf(codePage)) {
        converted = EncodeAnsi(*page, wide, count, (flags & WC_NO_BEST_FIT_CHARS) == 0,
                               defaultChar != nullptr ? defaultChar : "?", out, usedDefault);
    } else {
        converted = false;
    }
    if (usedDefaultChar != nullptr) {
        *usedDefaultChar = usedDefault ? TRUE : FALSE;
    }
    return converted ? Deliver(out, text, length) : 0;
}
