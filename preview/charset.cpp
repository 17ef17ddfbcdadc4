#include "preview/charset.h"

#include "preview/iso_2022_jp.h"

#include <gmime/gmime.h>
#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>

namespace {

constexpr const char *ReplacementCharacter = "\xEF\xBF\xBD";
constexpr size_t PieceSize = 1024;

// How many bytes an unreadable sequence takes, so that its trailing bytes are never read as
// characters of their own.
enum class Unit { Byte, Cp932, Utf8 };

bool IsCp932Lead(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}
bool IsCp932Trail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }

size_t UnreadableLength(const char *at, size_t left, Unit unit) {
    const auto byte = [at](size_t i) { return static_cast<unsigned char>(at[i]); };
    size_t length = 1;
    if (unit == Unit::Cp932 && left > 1 && IsCp932Lead(byte(0)) && IsCp932Trail(byte(1))) {
        length = 2;
    }
    while (unit == Unit::Utf8 && length < left && length < 4 && (byte(length) & 0xC0) == 0x80) {
        ++length;
    }
    return length;
}

// Converts between iconv's charsets; each sequence that cannot be read or written becomes
// `replacement`, and counts.
bool Convert(const std::string &text, const char *from, const char *to, Unit unit,
             const char *replacement, std::string &out, size_t &replaced) {
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return false;
    }
    char *in = const_cast<char *>(text.data());
    size_t inLeft = text.size();
    char chunk[4096];
    while (inLeft > 0) {
        // glibc reads ahead as far as it is given before it meets an unreadable character, and
        // again after it: pieces of bounded size keep a text full of them linear.
        const size_t given = std::min(inLeft, PieceSize);
        size_t pieceLeft = given;
        char *written = chunk;
        size_t room = sizeof chunk;
        const size_t result = iconv(converter, &in, &pieceLeft, &written, &room);
        const int failure = errno;
        const size_t consumed = given - pieceLeft;
        const bool wholeRest = given == inLeft;
        inLeft -= consumed;
        out.append(chunk, static_cast<size_t>(written - chunk));
        // A character cut at the piece's end is read whole with the next piece.
        const bool cut = failure == EINVAL && !wholeRest && consumed > 0;
        if (result == static_cast<size_t>(-1) && failure != E2BIG && !cut) {
            const size_t skip = UnreadableLength(in, inLeft, unit);
            in += skip;
            inLeft -= skip;
            out += replacement;
            ++replaced;
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
        }
    }
    char *written = chunk;
    size_t room = sizeof chunk;
    iconv(converter, nullptr, nullptr, &written, &room);
    out.append(chunk, static_cast<size_t>(written - chunk));
    iconv_close(converter);
    return true;
}

std::string Lowered(const std::string &text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool OneOf(const std::string &label, std::initializer_list<const char *> names) {
    return std::any_of(names.begin(), names.end(),
                       [&label](const char *name) { return label == name; });
}

// Every name senders give code page 932 text; Windows reads them all as that code page.
bool IsShiftJisLabel(const std::string &label) {
    return OneOf(label, {"shift_jis", "shift-jis", "sjis", "ms_kanji", "x-sjis", "csshiftjis",
                         "windows-31j", "cswindows31j", "cp932", "ms932", "x-ms-cp932",
                         "x-shift_jis", "shift_jisx0213"});
}

bool IsIso2022JpLabel(const std::string &label) {
    return OneOf(label, {"iso-2022-jp", "csiso2022jp", "iso-2022-jp-ms", "iso-2022-jp-1",
                         "iso-2022-jp-2", "csiso2022jp2", "iso-2022-jp-3", "iso-2022-jp-2004",
                         "x-windows-iso2022jp", "cp50220", "cp50221", "cp50222"});
}

bool IsAscii(const std::string &bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsUtf8(const std::string &bytes) {
    std::string out;
    size_t replaced = 0;
    return Convert(bytes, "UTF-8", "UTF-8", Unit::Utf8, "", out, replaced) && replaced == 0;
}

bool Read(const std::string &bytes, const char *from, Unit unit, DecodedText &text) {
    return Convert(bytes, from, "UTF-8", unit, ReplacementCharacter, text.Utf8, text.Unreadable);
}

// A part without a charset (or claiming US-ASCII) that holds 8-bit bytes: UTF-8 when its bytes
// are well-formed UTF-8, else code page 932, which is what such mail on a Japanese system is.
void ReadUnlabelled(const std::string &bytes, const std::string &label, DecodedText &text) {
    const std::string given = label.empty() ? "no charset" : "charset " + label;
    if (IsAscii(bytes)) {
        text.ReadAs = label.empty() ? "US-ASCII (no charset given)" : label;
        Read(bytes, "US-ASCII", Unit::Byte, text);
    } else if (IsUtf8(bytes)) {
        text.ReadAs = "UTF-8 (" + given + ", 8-bit bytes that are well-formed UTF-8)";
        Read(bytes, "UTF-8", Unit::Utf8, text);
    } else {
        text.ReadAs = "Shift_JIS, code page 932 (" + given + ", 8-bit bytes that are not UTF-8)";
        Read(bytes, "CP932", Unit::Cp932, text);
    }
}

} // namespace

void InitialiseGMime() {
    static const bool initialised = [] {
        g_mime_init();
        return true;
    }();
    (void)initialised;
}

bool DecodeText(const std::string &bytes, const std::string &label, DecodedText &text,
                std::string &error) {
    InitialiseGMime();
    const std::string lower = Lowered(label);
    text = DecodedText{};
    if (lower.empty() || lower == "us-ascii" || lower == "ascii") {
        ReadUnlabelled(bytes, label, text);
        return true;
    }
    text.ReadAs = label;
    if (IsShiftJisLabel(lower)) {
        if (lower != "cp932" && lower != "windows-31j") {
            text.ReadAs += " (as code page 932)";
        }
        return Read(bytes, "CP932", Unit::Cp932, text);
    }
    if (IsIso2022JpLabel(lower)) {
        text.Unreadable = Iso2022JpToUtf8(bytes, text.Utf8);
        return true;
    }
    const char *iconvName = g_mime_charset_iconv_name(label.c_str());
    const Unit unit = Lowered(iconvName) == "utf-8" ? Unit::Utf8 : Unit::Byte;
    if (!Read(bytes, iconvName, unit, text)) {
        error = "unknown charset " + label;
        return false;
    }
    return true;
}

bool EncodeUtf8(const std::string &utf8, const std::string &charset, std::string &out,
                size_t &replaced) {
    return Convert(utf8, "UTF-8", charset.c_str(), Unit::Utf8, "?", out, replaced);
}

size_t Cp932ToUtf8(const std::string &bytes, std::string &utf8) {
    size_t unreadable = 0;
    Convert(bytes, "CP932", "UTF-8", Unit::Cp932, ReplacementCharacter, utf8, unreadable);
    return unreadable;
}
