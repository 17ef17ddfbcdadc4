#include "preview/charset.h"

#include "preview/iso_2022_jp.h"

#include <gmime/gmime.h>

#include <algorithm>
#include <cctype>

#include "platform/posix/text_conversion.h"

namespace {

constexpr const char *ReplacementCharacter = "\xEF\xBF\xBD";
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
    return ConvertText(bytes, "UTF-8", "UTF-8", SequenceUnit::Utf8, "", out, replaced) &&
           replaced == 0;
}

bool Read(const std::string &bytes, const char *from, SequenceUnit unit, DecodedText &text) {
    return ConvertText(bytes, from, "UTF-8", unit, ReplacementCharacter, text.Utf8,
                       text.Unreadable);
}

// A part without a charset (or claiming US-ASCII) that holds 8-bit bytes: UTF-8 when its bytes
// are well-formed UTF-8, else code page 932, which is what such mail on a Japanese system is.
void ReadUnlabelled(const std::string &bytes, const std::string &label, DecodedText &text) {
    const std::string given = label.empty() ? "no charset" : "charset " + label;
    if (IsAscii(bytes)) {
        text.ReadAs = label.empty() ? "US-ASCII (no charset given)" : label;
        Read(bytes, "US-ASCII", SequenceUnit::Byte, text);
    } else if (IsUtf8(bytes)) {
        text.ReadAs = "UTF-8 (" + given + ", 8-bit bytes that are well-formed UTF-8)";
        Read(bytes, "UTF-8", SequenceUnit::Utf8, text);
    } else {
        text.ReadAs = "Shift_JIS, code page 932 (" + given + ", 8-bit bytes that are not UTF-8)";
        Read(bytes, "CP932", SequenceUnit::Cp932, text);
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
        return Read(bytes, "CP932", SequenceUnit::Cp932, text);
    }
    if (IsIso2022JpLabel(lower)) {
        text.Unreadable = Iso2022JpToUtf8(bytes, text.Utf8);
        return true;
    }
    const char *iconvName = g_mime_charset_iconv_name(label.c_str());
    const SequenceUnit unit =
        Lowered(iconvName) == "utf-8" ? SequenceUnit::Utf8 : SequenceUnit::Byte;
    if (!Read(bytes, iconvName, unit, text)) {
        error = "unknown charset " + label;
        return false;
    }
    return true;
}

bool EncodeUtf8(const std::string &utf8, const std::string &charset, std::string &out,
                size_t &replaced) {
    return ConvertText(utf8, "UTF-8", charset.c_str(), SequenceUnit::Utf8, "?", out, replaced);
}

size_t Cp932ToUtf8(const std::string &bytes, std::string &utf8) {
    size_t unreadable = 0;
    ConvertText(bytes, "CP932", "UTF-8", SequenceUnit::Cp932, ReplacementCharacter, utf8,
                unreadable);
    return unreadable;
}
