#include "preview/iso_2022_jp.h"

namespace {

enum class Set { Ascii, Katakana, Kanji, Unknown };

// The set that the escape sequence at `at` selects, and its length; 0 when there is none.
size_t Escape(const std::string &text, size_t at, Set &set) {
    static const struct {
        const char *Sequence;
        Set Selects;
    } Known[] = {{"\x1B(B", Set::Ascii}, {"\x1B(J", Set::Ascii}, {"\x1B(I", Set::Katakana},
                 {"\x1B$@", Set::Kanji}, {"\x1B$B", Set::Kanji}, {"\x1B$(", Set::Unknown}};
    for (const auto &known : Known) {
        const std::string sequence = known.Sequence;
        if (text.compare(at, sequence.size(), sequence) == 0) {
            set = known.Selects;
            return sequence.size();
        }
    }
    return 0;
}

// The Shift_JIS bytes of the JIS X 0208 code `first` `second` (both 0x21 to 0x7E).
void AppendShiftJis(unsigned first, unsigned second, std::string &out) {
    const unsigned lead = ((first + 1) >> 1) + (first <= 0x5E ? 0x70 : 0xB0);
    unsigned trail = second + ((first & 1) != 0 ? (second >= 0x60 ? 0x20 : 0x1F) : 0x7E);
    out += static_cast<char>(lead);
    out += static_cast<char>(trail);
}

bool InJisRange(unsigned char byte) { return byte >= 0x21 && byte <= 0x7E; }

} // namespace

std::string Iso2022JpToCp932(const std::string &text) {
    std::string out;
    Set set = Set::Ascii;
    for (size_t i = 0; i < text.size();) {
        if (const size_t length = Escape(text, i, set)) {
            i += length;
            continue;
        }
        const auto byte = static_cast<unsigned char>(text[i]);
        // Line breaks pass in any set.
        if (byte == '\r' || byte == '\n' || set == Set::Ascii) {
            out += text[i++];
            continue;
        }
        if (set == Set::Katakana) {
            out += static_cast<char>(InJisRange(byte) ? byte | 0x80 : byte);
            ++i;
        } else if (set == Set::Kanji && i + 1 < text.size() && InJisRange(byte) &&
                   InJisRange(static_cast<unsigned char>(text[i + 1]))) {
            AppendShiftJis(byte, static_cast<unsigned char>(text[i + 1]), out);
            i += 2;
        } else {
            ++i;
        }
    }
    return out;
}
