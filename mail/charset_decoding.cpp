#include "preview/charsets/decoding.h"

#include <cctype>

#include "diagnosis/mail/iso_2022_jp.h"
#include "diagnosis/mail/labels.h"
#include "platform/posix/text_conversion.h"
#include "preview/charsets/euc_jp.h"
#include "preview/charsets/iconv_text.h"

namespace {

constexpr const char *ReplacementCharacter = "\xEF\xBF\xBD";

bool ReadWithIconv(const std::string &bytes, const char *from, SequenceUnit unit,
                   DecodedText &text) {
    return ConvertText(bytes, from, "UTF-8", unit, ReplacementCharacter, text.Utf8,
                       text.Unreadable);
}

// x-user-defined: ASCII, and each byte above it a character of its own in the private use area.
void ReadUserDefined(const std::string &bytes, DecodedText &text) {
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text.Utf8 += c;
            continue;
        }
        const unsigned code = 0xF780 + (byte - 0x80u);
        text.Utf8 += static_cast<char>(0xE0 | code >> 12);
        text.Utf8 += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        text.Utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool Read(const std::string &bytes, const Encoding &encoding, DecodedText &text) {
    switch (encoding.With) {
    case Decoder::ShiftJis:
        text.Unreadable = Cp932ToUtf8(bytes, text.Utf8);
        return true;
    case Decoder::EucJp:
        text.Unreadable = EucJpToUtf8(bytes, text.Utf8);
        return true;
    case Decoder::Iso2022Jp: {
        std::string cp932;
        Iso2022JpToCp932(bytes, cp932);
        text.Unreadable = Cp932ToUtf8(cp932, text.Utf8);
        return true;
    }
    case Decoder::UserDefined:
        ReadUserDefined(bytes, text);
        return true;
    case Decoder::Utf8:
        return ReadWithIconv(bytes, "UTF-8", SequenceUnit::Utf8, text);
    case Decoder::Iconv:
        return ReadWithIconv(bytes, encoding.IconvName, encoding.Unit, text);
    }
    return false;
}

// The label as written, every byte that is not printable ASCII spelt out, as C writes it.
std::string EscapedLabel(const std::string &label) {
    std::string shown;
    for (const char c : label) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            shown += c;
        } else if (c == '"' || c == '\\') {
            shown += std::string("\\") + c;
        } else {
            static const char Digits[] = "0123456789ABCDEF";
            shown += std::string("\\x") + Digits[byte >> 4] + Digits[byte & 0xF];
        }
    }
    return shown;
}

// The label as written, in quotes when blanks around it would not show.
std::string Shown(const std::string &label) {
    const bool blanks =
        !label.empty() && (std::isspace(static_cast<unsigned char>(label.front())) ||
                           std::isspace(static_cast<unsigned char>(label.back())));
    return blanks ? "\"" + label + "\"" : label;
}

// ASCII letters alike in either case.
bool SameName(const std::string &normal, const char *name) {
    size_t i = 0;
    for (; i < normal.size() && name[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(normal[i])) !=
            std::tolower(static_cast<unsigned char>(name[i]))) {
            return false;
        }
    }
    return i == normal.size() && name[i] == '\0';
}

// How the label was read, for the reader: the label, and the encoding it stands for when that
// is not plain from it.
std::string ReadAs(const std::string &written, const std::string &normal,
                   const Encoding &encoding) {
    std::string label = Shown(written);
    switch (encoding.With) {
    case Decoder::ShiftJis:
        return normal == "cp932" || normal == "windows-31j" ? label : label + " (as code page 932)";
    case Decoder::EucJp:
        return label + " (with code page 932's extensions)";
    case Decoder::Iso2022Jp:
        return label;
    case Decoder::Utf8:
    case Decoder::UserDefined:
    case Decoder::Iconv:
        break;
    }
    return SameName(normal, encoding.Name) ? label : label + " (as " + encoding.Name + ")";
}

} // namespace

void ReadUnlabelled(const std::string &bytes, DecodedText &text) {
    text = DecodedText{};
    const char *how = nullptr;
    const Encoding &encoding = EncodingOfUnlabelled(bytes, how);
    text.ReadAs = how;
    Read(bytes, encoding, text);
}

bool DecodeText(const std::string &bytes, const std::string &label, DecodedText &text,
                std::string &error) {
    const std::string normal = NormalLabel(label);
    if (normal.empty()) {
        ReadUnlabelled(bytes, text);
        return true;
    }
    text = DecodedText{};
    const Encoding *encoding = EncodingOfNormalLabel(normal);
    if (encoding == nullptr) {
        error = "unknown charset \"" + EscapedLabel(label) + "\"";
        return false;
    }
    text.ReadAs = ReadAs(label, normal, *encoding);
    return Read(bytes, *encoding, text);
}
