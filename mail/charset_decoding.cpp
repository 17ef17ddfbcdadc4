#include "mail/charset_decoding.h"

#include <cctype>

#include "mail/euc_jp.h"
#include "mail/iso_2022_jp.h"
#include "mail/shift_jis.h"
#include "mail/unicode_text.h"

namespace {

// Appends the bytes read in the encoding; returns how many characters were unreadable.
size_t Read(const std::string &bytes, const Encoding &encoding, WideText &wide) {
    switch (encoding.With) {
    case Decoder::ShiftJis:
        return AppendCp932Text(bytes, wide);
    case Decoder::EucJp:
        return AppendEucJpText(bytes, wide);
    case Decoder::Iso2022Jp: {
        std::string cp932;
        Iso2022JpToCp932(bytes, cp932);
        return AppendCp932Text(cp932, wide);
    }
    case Decoder::Utf8:
        return AppendUtf8Text(bytes, wide);
    case Decoder::Utf16Little:
    case Decoder::Utf16Big:
        return AppendUtf16Text(bytes, encoding.With == Decoder::Utf16Big, wide);
    case Decoder::UserDefined:
        AppendUserDefinedText(bytes, wide);
        return 0;
    case Decoder::CodePage:
        return AppendCodePageText(encoding.CodePage, encoding.Unit, bytes, wide);
    }
    return 0;
}

// Whether the system reads what the encoding needs of it.
bool Readable(const Encoding &encoding) {
    return encoding.With != Decoder::CodePage || ReadsCodePage(encoding.CodePage);
}

} // namespace

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

namespace {

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
    case Decoder::Utf16Little:
    case Decoder::Utf16Big:
    case Decoder::UserDefined:
    case Decoder::CodePage:
        break;
    }
    return SameName(normal, encoding.Name) ? label : label + " (as " + encoding.Name + ")";
}

} // namespace

void ReadUnlabelled(const std::string &bytes, DecodedText &text) {
    text = DecodedText{};
    const char *how = nullptr;
    text.Is = &EncodingOfUnlabelled(bytes, how);
    text.ReadAs = how;
    text.Unreadable = Read(bytes, *text.Is, text.Wide);
}

bool DecodeText(const std::string &bytes, const std::string &label, DecodedText &text) {
    const std::string normal = NormalLabel(label);
    if (normal.empty()) {
        ReadUnlabelled(bytes, text);
        return true;
    }
    text = DecodedText{};
    text.Is = EncodingOfNormalLabel(normal);
    if (text.Is == nullptr || !Readable(*text.Is)) {
        return false;
    }
    text.ReadAs = ReadAs(label, normal, *text.Is);
    text.Variant = NamesVariant(normal);
    text.Unreadable = Read(bytes, *text.Is, text.Wide);
    return true;
}
