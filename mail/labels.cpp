#include "mail/labels.h"

#include "platform/text_encoding.h"

namespace {

struct Label {
    const char *Text;
    Encoding Is;
    bool Variant = false; // a Japanese mail program's name for its variant of the encoding
};

constexpr Encoding Utf8Encoding = {"UTF-8", Decoder::Utf8, 65001, SequenceUnit::Utf8};
constexpr Encoding ShiftJisEncoding = {"Shift_JIS", Decoder::ShiftJis, 932, SequenceUnit::Cp932};
constexpr Encoding EucJpEncoding = {"EUC-JP", Decoder::EucJp, 932, SequenceUnit::Byte};
constexpr Encoding Iso2022JpEncoding = {"ISO-2022-JP", Decoder::Iso2022Jp, 932, SequenceUnit::Byte};
constexpr Encoding Windows1252 = {"windows-1252", Decoder::CodePage, 1252, SequenceUnit::Byte};

constexpr Encoding SingleByte(const char *name, unsigned codePage) {
    return {name, Decoder::CodePage, codePage, SequenceUnit::Byte};
}

constexpr Encoding DoubleByte(const char *name, unsigned codePage) {
    return {name, Decoder::CodePage, codePage, SequenceUnit::DoubleByte};
}

constexpr Encoding Utf7Encoding = {"UTF-7", Decoder::CodePage, 65000, SequenceUnit::Shifting};
constexpr Encoding Utf16Little = {"UTF-16LE", Decoder::Utf16Little, 1200, SequenceUnit::Utf16};
constexpr Encoding Utf16Big = {"UTF-16BE", Decoder::Utf16Big, 1201, SequenceUnit::Utf16};
constexpr Encoding Gbk = {"GBK", Decoder::CodePage, 936, SequenceUnit::DoubleByte};
constexpr Encoding EucKr = {"EUC-KR", Decoder::CodePage, 949, SequenceUnit::DoubleByte};

// Every label read, and no other: the standard's labels, and the names that Windows' MIME charset
// database gives the same encodings, and some it adds (UTF-7, ISO-2022-KR, the DOS code pages);
// then the names that Japanese mail programs write for their variants of the Japanese encodings,
// which Japanese clients read as the encoding they vary. Each is read by Windows' code page for
// it: the standard reads ISO-8859-1 and US-ASCII as windows-1252, and EUC-KR as code page 949;
// GBK is code page 936 and Big5 code page 950. Its "replacement" labels are read as Windows reads
// them where Windows has them (ISO-2022-KR); the others (ISO-2022-CN, HZ) are unknown, and so are
// ISO-8859-10, -14 and -16, for which Windows has no code page.
const Label Labels[] = {
    {"unicode-1-1-utf-8", Utf8Encoding},
    {"unicode11utf8", Utf8Encoding},
    {"unicode20utf8", Utf8Encoding},
    {"utf-8", Utf8Encoding},
    {"utf8", Utf8Encoding},
    {"x-unicode20utf8", Utf8Encoding},
    {"unicode-2-0-utf-8", Utf8Encoding},
    {"x-unicode-1-1-utf-8", Utf8Encoding},
    {"x-unicode-2-0-utf-8", Utf8Encoding},
    {"utf-7", Utf7Encoding},
    {"unicode-1-1-utf-7", Utf7Encoding},
    {"unicode-2-0-utf-7", Utf7Encoding},
    {"x-unicode-1-1-utf-7", Utf7Encoding},
    {"x-unicode-2-0-utf-7", Utf7Encoding},
    {"csunicode11utf7", Utf7Encoding},
    {"866", SingleByte("IBM866", 866)},
    {"cp866", SingleByte("IBM866", 866)},
    {"csibm866", SingleByte("IBM866", 866)},
    {"ibm866", SingleByte("IBM866", 866)},
    {"csisolatin2", SingleByte("ISO-8859-2", 28592)},
    {"iso-8859-2", SingleByte("ISO-8859-2", 28592)},
    {"iso-ir-101", SingleByte("ISO-8859-2", 28592)},
    {"iso8859-2", SingleByte("ISO-8859-2", 28592)},
    {"iso88592", SingleByte("ISO-8859-2", 28592)},
    {"iso_8859-2", SingleByte("ISO-8859-2", 28592)},
    {"iso_8859-2:1987", SingleByte("ISO-8859-2", 28592)},
    {"l2", SingleByte("ISO-8859-2", 28592)},
    {"latin2", SingleByte("ISO-8859-2", 28592)},
    {"csisolatin3", SingleByte("ISO-8859-3", 28593)},
    {"iso-8859-3", SingleByte("ISO-8859-3", 28593)},
    {"iso-ir-109", SingleByte("ISO-8859-3", 28593)},
    {"iso8859-3", SingleByte("ISO-8859-3", 28593)},
    {"iso88593", SingleByte("ISO-8859-3", 28593)},
    {"iso_8859-3", SingleByte("ISO-8859-3", 28593)},
    {"iso_8859-3:1988", SingleByte("ISO-8859-3", 28593)},
    {"l3", SingleByte("ISO-8859-3", 28593)},
    {"latin3", SingleByte("ISO-8859-3", 28593)},
    {"csisolatin4", SingleByte("ISO-8859-4", 28594)},
    {"iso-8859-4", SingleByte("ISO-8859-4", 28594)},
    {"iso-ir-110", SingleByte("ISO-8859-4", 28594)},
    {"iso8859-4", SingleByte("ISO-8859-4", 28594)},
    {"iso88594", SingleByte("ISO-8859-4", 28594)},
    {"iso_8859-4", SingleByte("ISO-8859-4", 28594)},
    {"iso_8859-4:1988", SingleByte("ISO-8859-4", 28594)},
    {"l4", SingleByte("ISO-8859-4", 28594)},
    {"latin4", SingleByte("ISO-8859-4", 28594)},
    {"csisolatincyrillic", SingleByte("ISO-8859-5", 28595)},
    {"cyrillic", SingleByte("ISO-8859-5", 28595)},
    {"iso-8859-5", SingleByte("ISO-8859-5", 28595)},
    {"iso-ir-144", SingleByte("ISO-8859-5", 28595)},
    {"iso8859-5", SingleByte("ISO-8859-5", 28595)},
    {"iso88595", SingleByte("ISO-8859-5", 28595)},
    {"iso_8859-5", SingleByte("ISO-8859-5", 28595)},
    {"iso_8859-5:1988", SingleByte("ISO-8859-5", 28595)},
    {"arabic", SingleByte("ISO-8859-6", 28596)},
    {"asmo-708", SingleByte("ISO-8859-6", 28596)},
    {"csiso88596e", SingleByte("ISO-8859-6", 28596)},
    {"csiso88596i", SingleByte("ISO-8859-6", 28596)},
    {"csisolatinarabic", SingleByte("ISO-8859-6", 28596)},
    {"ecma-114", SingleByte("ISO-8859-6", 28596)},
    {"iso-8859-6", SingleByte("ISO-8859-6", 28596)},
    {"iso-8859-6-e", SingleByte("ISO-8859-6", 28596)},
    {"iso-8859-6-i", SingleByte("ISO-8859-6", 28596)},
    {"iso-ir-127", SingleByte("ISO-8859-6", 28596)},
    {"iso8859-6", SingleByte("ISO-8859-6", 28596)},
    {"iso88596", SingleByte("ISO-8859-6", 28596)},
    {"iso_8859-6", SingleByte("ISO-8859-6", 28596)},
    {"iso_8859-6:1987", SingleByte("ISO-8859-6", 28596)},
    {"csisolatingreek", SingleByte("ISO-8859-7", 28597)},
    {"ecma-118", SingleByte("ISO-8859-7", 28597)},
    {"elot_928", SingleByte("ISO-8859-7", 28597)},
    {"greek", SingleByte("ISO-8859-7", 28597)},
    {"greek8", SingleByte("ISO-8859-7", 28597)},
    {"iso-8859-7", SingleByte("ISO-8859-7", 28597)},
    {"iso-ir-126", SingleByte("ISO-8859-7", 28597)},
    {"iso8859-7", SingleByte("ISO-8859-7", 28597)},
    {"iso88597", SingleByte("ISO-8859-7", 28597)},
    {"iso_8859-7", SingleByte("ISO-8859-7", 28597)},
    {"iso_8859-7:1987", SingleByte("ISO-8859-7", 28597)},
    {"sun_eu_greek", SingleByte("ISO-8859-7", 28597)},
    {"csiso88598e", SingleByte("ISO-8859-8", 28598)},
    {"csisolatinhebrew", SingleByte("ISO-8859-8", 28598)},
    {"hebrew", SingleByte("ISO-8859-8", 28598)},
    {"iso-8859-8", SingleByte("ISO-8859-8", 28598)},
    {"iso-8859-8-e", SingleByte("ISO-8859-8", 28598)},
    {"iso-ir-138", SingleByte("ISO-8859-8", 28598)},
    {"iso8859-8", SingleByte("ISO-8859-8", 28598)},
    {"iso88598", SingleByte("ISO-8859-8", 28598)},
    {"iso_8859-8", SingleByte("ISO-8859-8", 28598)},
    {"iso_8859-8:1988", SingleByte("ISO-8859-8", 28598)},
    {"visual", SingleByte("ISO-8859-8", 28598)},
    {"iso-8859-8 visual", SingleByte("ISO-8859-8", 28598)},
    {"csiso88598i", SingleByte("ISO-8859-8-I", 38598)},
    {"iso-8859-8-i", SingleByte("ISO-8859-8-I", 38598)},
    {"logical", SingleByte("ISO-8859-8-I", 38598)},
    {"iso-8859-13", SingleByte("ISO-8859-13", 28603)},
    {"iso8859-13", SingleByte("ISO-8859-13", 28603)},
    {"iso885913", SingleByte("ISO-8859-13", 28603)},
    {"csisolatin9", SingleByte("ISO-8859-15", 28605)},
    {"iso-8859-15", SingleByte("ISO-8859-15", 28605)},
    {"latin9", SingleByte("ISO-8859-15", 28605)},
    {"iso8859-15", SingleByte("ISO-8859-15", 28605)},
    {"iso885915", SingleByte("ISO-8859-15", 28605)},
    {"iso_8859-15", SingleByte("ISO-8859-15", 28605)},
    {"l9", SingleByte("ISO-8859-15", 28605)},
    {"cskoi8r", SingleByte("KOI8-R", 20866)},
    {"koi", SingleByte("KOI8-R", 20866)},
    {"koi8", SingleByte("KOI8-R", 20866)},
    {"koi8-r", SingleByte("KOI8-R", 20866)},
    {"koi8_r", SingleByte("KOI8-R", 20866)},
    {"koi8r", SingleByte("KOI8-R", 20866)},
    {"koi8-ru", SingleByte("KOI8-U", 21866)},
    {"koi8-u", SingleByte("KOI8-U", 21866)},
    {"csmacintosh", SingleByte("macintosh", 10000)},
    {"mac", SingleByte("macintosh", 10000)},
    {"macintosh", SingleByte("macintosh", 10000)},
    {"x-mac-roman", SingleByte("macintosh", 10000)},
    {"dos-874", SingleByte("windows-874", 874)},
    {"iso-8859-11", SingleByte("windows-874", 874)},
    {"iso8859-11", SingleByte("windows-874", 874)},
    {"iso885911", SingleByte("windows-874", 874)},
    {"tis-620", SingleByte("windows-874", 874)},
    {"windows-874", SingleByte("windows-874", 874)},
    {"cp1250", SingleByte("windows-1250", 1250)},
    {"windows-1250", SingleByte("windows-1250", 1250)},
    {"x-cp1250", SingleByte("windows-1250", 1250)},
    {"cp1251", SingleByte("windows-1251", 1251)},
    {"windows-1251", SingleByte("windows-1251", 1251)},
    {"x-cp1251", SingleByte("windows-1251", 1251)},
    {"ansi_x3.4-1968", Windows1252},
    {"ascii", Windows1252},
    {"cp1252", Windows1252},
    {"cp819", Windows1252},
    {"csisolatin1", Windows1252},
    {"ibm819", Windows1252},
    {"iso-8859-1", Windows1252},
    {"iso-ir-100", Windows1252},
    {"iso8859-1", Windows1252},
    {"iso88591", Windows1252},
    {"iso_8859-1", Windows1252},
    {"iso_8859-1:1987", Windows1252},
    {"l1", Windows1252},
    {"latin1", Windows1252},
    {"us-ascii", Windows1252},
    {"windows-1252", Windows1252},
    {"x-cp1252", Windows1252},
    {"x-ansi", Windows1252},
    {"us", Windows1252},
    {"iso646-us", Windows1252},
    {"cp367", Windows1252},
    {"ibm367", Windows1252},
    {"csascii", Windows1252},
    {"iso-ir-6", Windows1252},
    {"ansi_x3.4-1986", Windows1252},
    {"iso_646.irv:1991", Windows1252},
    {"cp1253", SingleByte("windows-1253", 1253)},
    {"windows-1253", SingleByte("windows-1253", 1253)},
    {"x-cp1253", SingleByte("windows-1253", 1253)},
    {"cp1254", SingleByte("windows-1254", 1254)},
    {"csisolatin5", SingleByte("windows-1254", 1254)},
    {"iso-8859-9", SingleByte("windows-1254", 1254)},
    {"iso-ir-148", SingleByte("windows-1254", 1254)},
    {"iso8859-9", SingleByte("windows-1254", 1254)},
    {"iso88599", SingleByte("windows-1254", 1254)},
    {"iso_8859-9", SingleByte("windows-1254", 1254)},
    {"iso_8859-9:1989", SingleByte("windows-1254", 1254)},
    {"l5", SingleByte("windows-1254", 1254)},
    {"latin5", SingleByte("windows-1254", 1254)},
    {"windows-1254", SingleByte("windows-1254", 1254)},
    {"x-cp1254", SingleByte("windows-1254", 1254)},
    {"cp1255", SingleByte("windows-1255", 1255)},
    {"windows-1255", SingleByte("windows-1255", 1255)},
    {"x-cp1255", SingleByte("windows-1255", 1255)},
    {"cp1256", SingleByte("windows-1256", 1256)},
    {"windows-1256", SingleByte("windows-1256", 1256)},
    {"x-cp1256", SingleByte("windows-1256", 1256)},
    {"cp1257", SingleByte("windows-1257", 1257)},
    {"windows-1257", SingleByte("windows-1257", 1257)},
    {"x-cp1257", SingleByte("windows-1257", 1257)},
    {"cp1258", SingleByte("windows-1258", 1258)},
    {"windows-1258", SingleByte("windows-1258", 1258)},
    {"x-cp1258", SingleByte("windows-1258", 1258)},
    {"x-mac-cyrillic", SingleByte("x-mac-cyrillic", 10007)},
    {"x-mac-ukrainian", SingleByte("x-mac-cyrillic", 10007)},
    {"x-mac-ce", SingleByte("x-mac-ce", 10029)},
    {"437", SingleByte("IBM437", 437)},
    {"cp437", SingleByte("IBM437", 437)},
    {"ibm437", SingleByte("IBM437", 437)},
    {"cspc8codepage437", SingleByte("IBM437", 437)},
    {"ibm737", SingleByte("IBM737", 737)},
    {"ibm775", SingleByte("IBM775", 775)},
    {"ibm850", SingleByte("IBM850", 850)},
    {"cp850", SingleByte("IBM850", 850)},
    {"ibm852", SingleByte("IBM852", 852)},
    {"cp852", SingleByte("IBM852", 852)},
    {"ibm855", SingleByte("IBM855", 855)},
    {"cp855", SingleByte("IBM855", 855)},
    {"ibm857", SingleByte("IBM857", 857)},
    {"cp857", SingleByte("IBM857", 857)},
    {"ibm00858", SingleByte("IBM858", 858)},
    {"ccsid00858", SingleByte("IBM858", 858)},
    {"cp00858", SingleByte("IBM858", 858)},
    {"cp858", SingleByte("IBM858", 858)},
    {"pc-multilingual-850+euro", SingleByte("IBM858", 858)},
    {"ibm860", SingleByte("IBM860", 860)},
    {"cp860", SingleByte("IBM860", 860)},
    {"ibm861", SingleByte("IBM861", 861)},
    {"cp861", SingleByte("IBM861", 861)},
    {"ibm862", SingleByte("IBM862", 862)},
    {"cp862", SingleByte("IBM862", 862)},
    {"dos-862", SingleByte("IBM862", 862)},
    {"ibm863", SingleByte("IBM863", 863)},
    {"cp863", SingleByte("IBM863", 863)},
    {"ibm864", SingleByte("IBM864", 864)},
    {"cp864", SingleByte("IBM864", 864)},
    {"ibm865", SingleByte("IBM865", 865)},
    {"cp865", SingleByte("IBM865", 865)},
    {"ibm869", SingleByte("IBM869", 869)},
    {"cp869", SingleByte("IBM869", 869)},
    {"chinese", DoubleByte("GBK", 936)},
    {"csgb2312", DoubleByte("GBK", 936)},
    {"csiso58gb231280", DoubleByte("GBK", 936)},
    {"gb2312", DoubleByte("GBK", 936)},
    {"gb_2312", DoubleByte("GBK", 936)},
    {"gb_2312-80", DoubleByte("GBK", 936)},
    {"gbk", DoubleByte("GBK", 936)},
    {"iso-ir-58", DoubleByte("GBK", 936)},
    {"x-gbk", DoubleByte("GBK", 936)},
    {"cn-gb", Gbk},
    {"csgb231280", Gbk},
    {"gb2312-80", Gbk},
    {"gb231280", Gbk},
    {"euc-cn", Gbk},
    {"x-euc-cn", Gbk},
    {"gb18030", {"gb18030", Decoder::CodePage, 54936, SequenceUnit::Gb18030}},
    {"big5", DoubleByte("Big5", 950)},
    {"big5-hkscs", DoubleByte("Big5", 950)},
    {"cn-big5", DoubleByte("Big5", 950)},
    {"csbig5", DoubleByte("Big5", 950)},
    {"x-x-big5", DoubleByte("Big5", 950)},
    {"cseucpkdfmtjapanese", EucJpEncoding},
    {"euc-jp", EucJpEncoding},
    {"x-euc-jp", EucJpEncoding},
    {"eucjp-ms", EucJpEncoding, true},
    {"euc-jp-ms", EucJpEncoding, true},
    {"cp51932", EucJpEncoding},
    {"x-euc", EucJpEncoding},
    {"iso-2022-jpeuc", EucJpEncoding},
    {"extended_unix_code_packed_format_for_japanese", EucJpEncoding},
    {"csiso2022jp", Iso2022JpEncoding},
    {"iso-2022-jp", Iso2022JpEncoding},
    {"iso-2022-jp-ms", Iso2022JpEncoding, true},
    {"iso-2022-jp-1", Iso2022JpEncoding},
    {"iso-2022-jp-2", Iso2022JpEncoding},
    {"csiso2022jp2", Iso2022JpEncoding},
    {"iso-2022-jp-3", Iso2022JpEncoding},
    {"iso-2022-jp-2004", Iso2022JpEncoding},
    {"x-windows-iso2022jp", Iso2022JpEncoding},
    {"cp50220", Iso2022JpEncoding},
    {"cp50221", Iso2022JpEncoding},
    {"cp50222", Iso2022JpEncoding},
    {"_iso-2022-jp$esc", Iso2022JpEncoding},
    {"_iso-2022-jp$sio", Iso2022JpEncoding},
    {"csshiftjis", ShiftJisEncoding},
    {"ms932", ShiftJisEncoding},
    {"ms_kanji", ShiftJisEncoding},
    {"shift-jis", ShiftJisEncoding},
    {"shift_jis", ShiftJisEncoding},
    {"sjis", ShiftJisEncoding},
    {"windows-31j", ShiftJisEncoding},
    {"x-sjis", ShiftJisEncoding},
    {"cswindows31j", ShiftJisEncoding},
    {"cp932", ShiftJisEncoding},
    {"x-ms-cp932", ShiftJisEncoding},
    {"x-shift_jis", ShiftJisEncoding},
    {"shift_jisx0213", ShiftJisEncoding},
    {"cseuckr", DoubleByte("EUC-KR", 949)},
    {"csksc56011987", DoubleByte("EUC-KR", 949)},
    {"euc-kr", DoubleByte("EUC-KR", 949)},
    {"iso-ir-149", DoubleByte("EUC-KR", 949)},
    {"korean", DoubleByte("EUC-KR", 949)},
    {"ks_c_5601-1987", DoubleByte("EUC-KR", 949)},
    {"ks_c_5601-1989", DoubleByte("EUC-KR", 949)},
    {"ksc5601", DoubleByte("EUC-KR", 949)},
    {"ksc_5601", DoubleByte("EUC-KR", 949)},
    {"windows-949", DoubleByte("EUC-KR", 949)},
    {"ks-c-5601", EucKr},
    {"ks-c5601", EucKr},
    {"ks_c_5601", EucKr},
    {"ks_c_5601_1987", EucKr},
    {"iso-2022-kr-8", EucKr},
    {"iso-2022-kr-8bit", EucKr},
    {"johab", DoubleByte("Johab", 1361)},
    {"iso-2022-kr", {"ISO-2022-KR", Decoder::CodePage, 50225, SequenceUnit::Shifting}},
    {"csiso2022kr", {"ISO-2022-KR", Decoder::CodePage, 50225, SequenceUnit::Shifting}},
    {"iso-2022-kr-7", {"ISO-2022-KR", Decoder::CodePage, 50225, SequenceUnit::Shifting}},
    {"iso-2022-kr-7bit", {"ISO-2022-KR", Decoder::CodePage, 50225, SequenceUnit::Shifting}},
    {"unicodefffe", Utf16Big},
    {"utf-16be", Utf16Big},
    {"csunicode", Utf16Little},
    {"iso-10646-ucs-2", Utf16Little},
    {"ucs-2", Utf16Little},
    {"unicode", Utf16Little},
    {"unicodefeff", Utf16Little},
    {"utf-16", Utf16Little},
    {"utf-16le", Utf16Little},
    {"x-user-defined", {"x-user-defined", Decoder::UserDefined, 0, SequenceUnit::Byte}},
    {"sjis-win", ShiftJisEncoding, true},
    {"sjis-open", ShiftJisEncoding, true},
    {"sjis-mac", ShiftJisEncoding, true},
    {"sjis-ms", ShiftJisEncoding, true},
    {"sjis-2004", ShiftJisEncoding, true},
    {"shift_jis-2004", ShiftJisEncoding, true},
    {"x-sjis_0213", ShiftJisEncoding, true},
    {"sjis-mobile#docomo", ShiftJisEncoding, true},
    {"sjis-mobile#kddi", ShiftJisEncoding, true},
    {"sjis-mobile#softbank", ShiftJisEncoding, true},
    {"cp943c", ShiftJisEncoding, true},
    {"ibm-943c", ShiftJisEncoding, true},
    {"eucjp-win", EucJpEncoding, true},
    {"eucjp-open", EucJpEncoding, true},
    {"x-eucjp-open", EucJpEncoding, true},
    {"euc-jp-2004", EucJpEncoding, true},
    {"euc-jis-2004", EucJpEncoding, true},
    {"x-euc-jp-linux", EucJpEncoding, true},
    {"iso-2022-jp-mobile#kddi", Iso2022JpEncoding, true},
    {"cp50220raw", Iso2022JpEncoding, true},
    {"x-windows-50220", Iso2022JpEncoding, true},
    {"x-windows-50221", Iso2022JpEncoding, true},
};

bool IsAsciiWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// The label without its comments: "(...)", nested, as RFC 822 writes them.
std::string WithoutComments(const std::string &label) {
    std::string kept;
    int depth = 0;
    for (const char c : label) {
        if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if (depth == 0) {
            kept += c;
        }
    }
    return kept;
}

const Label *LabelOf(const std::string &normal) {
    for (const Label &known : Labels) {
        if (normal == known.Text) {
            return &known;
        }
    }
    return nullptr;
}

} // namespace

std::string NormalLabel(const std::string &label) {
    std::string text = WithoutComments(label);
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end &&
           (IsAsciiWhiteSpace(text[begin]) || text[begin] == '"' || text[begin] == '\'')) {
        ++begin;
    }
    while (end > begin &&
           (IsAsciiWhiteSpace(text[end - 1]) || text[end - 1] == '"' || text[end - 1] == '\'')) {
        --end;
    }
    text = text.substr(begin, end - begin);
    for (char &c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

const Encoding *EncodingOfNormalLabel(const std::string &normal) {
    const Label *label = LabelOf(normal);
    return label != nullptr ? &label->Is : nullptr;
}

bool NamesVariant(const std::string &normal) {
    const Label *label = LabelOf(normal);
    return label != nullptr && label->Variant;
}

namespace {

bool IsAscii(const std::string &bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

bool HasIso2022JpEscapes(const std::string &bytes) {
    for (const char *escape : {"\x1B$B", "\x1B$@", "\x1B$(", "\x1B(I", "\x1B(J"}) {
        if (bytes.find(escape) != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace

const Encoding &EncodingOfUnlabelled(const std::string &bytes, const char *&how) {
    if (IsAscii(bytes)) {
        const bool jis = HasIso2022JpEscapes(bytes);
        how = jis ? "ISO-2022-JP (no charset, 7-bit text with its escape sequences)"
                  : "US-ASCII (no charset given)";
        return jis ? Iso2022JpEncoding : Utf8Encoding;
    }
    if (IsUtf8BeyondAscii(bytes.data(), bytes.size())) {
        how = "UTF-8 (no charset, 8-bit bytes that are well-formed UTF-8)";
        return Utf8Encoding;
    }
    how = "Shift_JIS, code page 932 (no charset, 8-bit bytes that are not UTF-8)";
    return ShiftJisEncoding;
}
