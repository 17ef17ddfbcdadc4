#include "mail/iso_2022_jp.h"

#include <cstring>

#include "mail/jis_codes.h"

namespace {

// What the bytes between escape sequences are. JisX0213 is plane 1 of JIS X 0213, which holds
// JIS X 0208 and adds characters that code page 932 lacks; Foreign is a double-byte set that
// code page 932 does not hold at all (JIS X 0212, plane 2 of JIS X 0213, GB 2312, KS C 5601).
enum class Set { Ascii, Katakana, Kanji, JisX0213, Foreign };

struct EscapeSequence {
    const char *Bytes;
    bool Designates; // false for announcers and G2 designations, which select nothing here
    Set Selects;
};

const EscapeSequence Known[] = {
    {"\x1B(B", true, Set::Ascii},     {"\x1B(J", true, Set::Ascii},
    {"\x1B(H", true, Set::Ascii},     {"\x1B(I", true, Set::Katakana},
    {"\x1B$@", true, Set::Kanji},     {"\x1B$B", true, Set::Kanji},
    {"\x1B$(B", true, Set::Kanji},    {"\x1B$(@", true, Set::Kanji},
    {"\x1B$(O", true, Set::JisX0213}, {"\x1B$(Q", true, Set::JisX0213},
    {"\x1B$(D", true, Set::Foreign},  {"\x1B$(P", true, Set::Foreign},
    {"\x1B$A", true, Set::Foreign},   {"\x1B$(C", true, Set::Foreign},
    {"\x1B&@", false, Set::Ascii},    {"\x1B.A", false, Set::Ascii},
    {"\x1B.F", false, Set::Ascii},
};

constexpr char Escape = 0x1B;
constexpr char ShiftOut = 0x0E; // half-width katakana until ShiftIn
constexpr char ShiftIn = 0x0F;
constexpr char SingleShift2[] = "\x1BN"; // one character of the G2 set (ISO-2022-JP-2)

bool InJisRange(unsigned char byte) { return byte >= 0x21 && byte <= 0x7E; }

// JIS X 0213 plane 1 agrees with JIS X 0208 (and with code page 932's row 13) in rows 1 to 13
// and 16 to 84; its rows 14, 15 and 85 to 94 hold characters that code page 932 has elsewhere
// or not at all, so they are not read.
bool SharedWithCp932(unsigned first) {
    const unsigned row = first - 0x20;
    return row <= 13 || (row >= 16 && row <= 84);
}

bool IsLineBreak(unsigned char byte) { return byte == '\r' || byte == '\n'; }

bool IsHalfWidthKatakana(unsigned char byte) { return byte >= 0x21 && byte <= 0x5F; }

class Decoder {
  public:
    explicit Decoder(std::string &cp932) : Cp932(cp932) {}

    // Appends the text; returns how many characters could not be read.
    size_t Run(const std::string &text) {
        for (size_t i = 0; i < text.size();) {
            i += Step(text, i);
        }
        return Unreadable;
    }

  private:
    // Reads one escape sequence, shift or character at `at`; returns its length. What cannot be
    // read is one mark, and the bytes after it are read on their own: no text after it is lost.
    size_t Step(const std::string &text, size_t at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte == Escape) {
            // Any escape sequence ends a shift out, as Windows reads it; an unknown one is a mark.
            Shifted = false;
            const size_t length = ReadEscape(text, at);
            if (length == 0) {
                MarkUnreadable();
            }
            return length == 0 ? 1 : length;
        }
        if (text[at] == ShiftOut || text[at] == ShiftIn) {
            Shifted = text[at] == ShiftOut;
            return 1;
        }
        // Line breaks pass in any set and end a shift out; so do 8-bit bytes, taken as code page
        // 932 (Shift_JIS sent under this label).
        if (IsLineBreak(byte) || byte >= 0x80) {
            Shifted = Shifted && !IsLineBreak(byte);
            Cp932 += text[at];
            return 1;
        }
        if (Shifted || Current == Set::Katakana) {
            if (IsHalfWidthKatakana(byte)) {
                Cp932 += static_cast<char>(byte | 0x80);
            } else {
                MarkUnreadable();
            }
            return 1;
        }
        if (Current == Set::Ascii || byte < 0x21) {
            Cp932 += text[at];
            return 1;
        }
        // DEL, where a double-byte character would start, is none.
        if (!InJisRange(byte)) {
            MarkUnreadable();
            return 1;
        }
        return ReadDoubleByte(text, at);
    }

    // A character of a double-byte set from its lead byte at `at`; returns its length. A lead
    // byte before an escape, a line break or the end is one mark on its own.
    size_t ReadDoubleByte(const std::string &text, size_t at) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const auto trail = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0;
        if (at + 1 >= text.size() || trail == Escape || IsLineBreak(trail)) {
            MarkUnreadable();
            return 1;
        }
        if (InJisRange(trail) &&
            (Current == Set::Kanji || (Current == Set::JisX0213 && SharedWithCp932(lead)))) {
            AppendShiftJis(lead, trail, Cp932);
        } else {
            MarkUnreadable();
        }
        return 2;
    }

    // The length of the escape sequence at `at`, taken into effect; 0 when none is known.
    size_t ReadEscape(const std::string &text, size_t at) {
        for (const EscapeSequence &escape : Known) {
            const size_t length = std::strlen(escape.Bytes);
            if (text.compare(at, length, escape.Bytes) == 0) {
                if (escape.Designates) {
                    Current = escape.Selects;
                }
                return length;
            }
        }
        if (text.compare(at, 2, SingleShift2) == 0) {
            // A Latin-1 or Greek character, which code page 932 does not hold.
            MarkUnreadable();
            return at + 2 < text.size() ? 3 : 2;
        }
        return 0;
    }

    void MarkUnreadable() {
        Cp932 += UnreadableInCp932;
        ++Unreadable;
    }

    std::string &Cp932; // the text read so far
    size_t Unreadable = 0;
    Set Current = Set::Ascii;
    bool Shifted = false;
};

} // namespace

size_t Iso2022JpToCp932(const std::string &text, std::string &cp932) {
    return Decoder(cp932).Run(text);
}
