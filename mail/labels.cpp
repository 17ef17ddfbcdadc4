#include "diagnosis/mail/labels.h"

#include <cstring>

#include "platform/text_encoding.h"

namespace {

struct Label {
    const char *Text;
    Encoding Is;
};

constexpr Encoding Utf8Encoding = {"UTF-8", "UTF-8", Decoder::Utf8, SequenceUnit::Utf8};
constexpr Encoding ShiftJisEncoding = {"Shift_JIS", "CP932", Decoder::ShiftJis,
                                       SequenceUnit::Cp932};
constexpr Encoding EucJpEncoding = {"EUC-JP", "EUC-JP-MS", Decoder::EucJp, SequenceUnit::Byte};
constexpr Encoding Iso2022JpEncoding = {"ISO-2022-JP", "", Decoder::Iso2022Jp, SequenceUnit::Byte};
constexpr Encoding Windows1252 = {"windows-1252", "CP1252", Decoder::Iconv, SequenceUnit::Byte};

constexpr Encoding SingleByte(const char *name, const char *iconvName) {
    return {name, iconvName, Decoder::Iconv, SequenceUnit::Byte};
}

constexpr Encoding DoubleByte(const char *name, const char *iconvName) {
    return {name, iconvName, Decoder::Iconv, SequenceUnit::DoubleByte};
}

constexpr Encoding Utf7Encoding = {"UTF-7", "UTF-7", Decoder::Iconv, SequenceUnit::Byte};
constexpr Encoding Utf16Little = {"UTF-16LE", "UTF-16LE", Decoder::Iconv, SequenceUnit::Utf16};
constexpr Encoding Utf16Big = {"UTF-16BE", "UTF-16BE", Decoder::Iconv, SequenceUnit::Utf16};
constexpr Encoding Gbk = {"GBK", "GB18030", Decoder::Iconv, SequenceUnit::DoubleByte};
constexpr Encoding EucKr = {"EUC-KR", "CP949", Decoder::Iconv, SequenceUnit::DoubleByte};

// Every label the tool reads, and no other: the standard's labels, and the names that Windows'
// MIME charset database gives the same encodings, and some it adds (UTF-7, ISO-2022-KR, the DOS
// code pages). The standard reads ISO-8859-1 and US-ASCII as windows-1252, GBK as gb18030, Big5
// as Big5-HKSCS and EUC-KR as Windows' code page 949. Its "replacement" labels are read as Windows
// reads them where Windows has them (ISO-2022-KR); the others (ISO-2022-CN, HZ) are unknown.
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
    {"866", SingleByte("IBM866", "IBM866")},
    {"cp866", SingleByte("IBM866", "IBM866")},
    {"csibm866", SingleByte("IBM866", "IBM866")},
    {"ibm866", SingleByte("IBM866", "IBM866")},
    {"csisolatin2", SingleByte("ISO-8859-2", "ISO-8859-2")},
    {"iso-8859-2", SingleByte("ISO-8859-2", "ISO-8859-2")},
    {"iso-ir-101", SingleByte("ISO-8859-2", "ISO-8859-2")},
    {"iso8859-2", SingleByte("ISO-8859-2", "ISO-8859-2")},
    {"iso88592", SingleByte("ISO-8859-2", "ISO-8859-2")},
    {"iso_8859-2", SingleByte("ISO-8859-2", "ISO-8859-2")},
    {"iso_8859-2:1987", SingleByte("ISO-8859-2", "ISO-8859-2")},
    {"l2", SingleByte("ISO-8859-2", "ISO-8859-2")},
    {"latin2", SingleByte("ISO-8859-2", "ISO-8859-2")},
    {"csisolatin3", SingleByte("ISO-8859-3", "ISO-8859-3")},
    {"iso-8859-3", SingleByte("ISO-8859-3", "ISO-8859-3")},
    {"iso-ir-109", SingleByte("ISO-8859-3", "ISO-8859-3")},
    {"iso8859-3", SingleByte("ISO-8859-3", "ISO-8859-3")},
    {"iso88593", SingleByte("ISO-8859-3", "ISO-8859-3")},
    {"iso_8859-3", SingleByte("ISO-8859-3", "ISO-8859-3")},
    {"iso_8859-3:1988", SingleByte("ISO-8859-3", "ISO-8859-3")},
    {"l3", SingleByte("ISO-8859-3", "ISO-8859-3")},
    {"latin3", SingleByte("ISO-8859-3", "ISO-8859-3")},
    {"csisolatin4", SingleByte("ISO-8859-4", "ISO-8859-4")},
    {"iso-8859-4", SingleByte("ISO-8859-4", "ISO-8859-4")},
    {"iso-ir-110", SingleByte("ISO-8859-4", "ISO-8859-4")},
    {"iso8859-4", SingleByte("ISO-8859-4", "ISO-8859-4")},
    {"iso88594", SingleByte("ISO-8859-4", "ISO-8859-4")},
    {"iso_8859-4", SingleByte("ISO-8859-4", "ISO-8859-4")},
    {"iso_8859-4:1988", SingleByte("ISO-8859-4", "ISO-8859-4")},
    {"l4", SingleByte("ISO-8859-4", "ISO-8859-4")},
    {"latin4", SingleByte("ISO-8859-4", "ISO-8859-4")},
    {"csisolatincyrillic", SingleByte("ISO-8859-5", "ISO-8859-5")},
    {"cyrillic", SingleByte("ISO-8859-5", "ISO-8859-5")},
    {"iso-8859-5", SingleByte("ISO-8859-5", "ISO-8859-5")},
    {"iso-ir-144", SingleByte("ISO-8859-5", "ISO-8859-5")},
    {"iso8859-5", SingleByte("ISO-8859-5", "ISO-8859-5")},
    {"iso88595", SingleByte("ISO-8859-5", "ISO-8859-5")},
    {"iso_8859-5", SingleByte("ISO-8859-5", "ISO-8859-5")},
    {"iso_8859-5:1988", SingleByte("ISO-8859-5", "ISO-8859-5")},
    {"arabic", SingleByte("ISO-8859-6", "ISO-8859-6")},
    {"asmo-708", SingleByte("ISO-8859-6", "ISO-8859-6")},
    {"csiso88596e", SingleByte("ISO-8859-6", "ISO-8859-6")},
    {"csiso88596i", SingleByte("ISO-8859-6", "ISO-8859-6")},
    {"csisolatinarabic", SingleByte("ISO-8859-6", "ISO-8859-6")},
    {"ecma-114", SingleByte("ISO-8859-6", "ISO-8859-6")},
    {"iso-8859-6", SingleByte("ISO-8859-6", "ISO-8859-6")},
    {"iso-8859-6-e", SingleByte("ISO-8859-6", "ISO-8859-6")},
    {"iso-8859-6-i", SingleByte("ISO-8859-6", "ISO-8859-6")},
    {"iso-ir-127", SingleByte("ISO-8859-6", "ISO-8859-6")},
    {"iso8859-6", SingleByte("ISO-8859-6", "ISO-8859-6")},
    {"iso88596", SingleByte("ISO-8859-6", "ISO-8859-6")},
    {"iso_8859-6", SingleByte("ISO-8859-6", "ISO-8859-6")},
    {"iso_8859-6:1987", SingleByte("ISO-8859-6", "ISO-8859-6")},
    {"csisolatingreek", SingleByte("ISO-8859-7", "ISO-8859-7")},
    {"ecma-118", SingleByte("ISO-8859-7", "ISO-8859-7")},
    {"elot_928", SingleByte("ISO-8859-7", "ISO-8859-7")},
    {"greek", SingleByte("ISO-8859-7", "ISO-8859-7")},
    {"greek8", SingleByte("ISO-8859-7", "ISO-8859-7")},
    {"iso-8859-7", SingleByte("ISO-8859-7", "ISO-8859-7")},
    {"iso-ir-126", SingleByte("ISO-8859-7", "ISO-8859-7")},
    {"iso8859-7", SingleByte("ISO-8859-7", "ISO-8859-7")},
    {"iso88597", SingleByte("ISO-8859-7", "ISO-8859-7")},
    {"iso_8859-7", SingleByte("ISO-8859-7", "ISO-8859-7")},
    {"iso_8859-7:1987", SingleByte("ISO-8859-7", "ISO-8859-7")},
    {"sun_eu_greek", SingleByte("ISO-8859-7", "ISO-8859-7")},
    {"csiso88598e", SingleByte("ISO-8859-8", "ISO-8859-8")},
    {"csisolatinhebrew", SingleByte("ISO-8859-8", "ISO-8859-8")},
    {"hebrew", SingleByte("ISO-8859-8", "ISO-8859-8")},
    {"iso-8859-8", SingleByte("ISO-8859-8", "ISO-8859-8")},
    {"iso-8859-8-e", SingleByte("ISO-8859-8", "ISO-8859-8")},
    {"iso-ir-138", SingleByte("ISO-8859-8", "ISO-8859-8")},
    {"iso8859-8", SingleByte("ISO-8859-8", "ISO-8859-8")},
    {"iso88598", SingleByte("ISO-8859-8", "ISO-8859-8")},
    {"iso_8859-8", SingleByte("ISO-8859-8", "ISO-8859-8")},
    {"iso_8859-8:1988", SingleByte("ISO-8859-8", "ISO-8859-8")},
    {"visual", SingleByte("ISO-8859-8", "ISO-8859-8")},
    {"iso-8859-8 visual", SingleByte("ISO-8859-8", "ISO-8859-8")},
    {"csiso88598i", SingleByte("ISO-8859-8-I", "ISO-8859-8")},
    {"iso-8859-8-i", SingleByte("ISO-8859-8-I", "ISO-8859-8")},
    {"logical", SingleByte("ISO-8859-8-I", "ISO-8859-8")},
    {"csisolatin6", SingleByte("ISO-8859-10", "ISO-8859-10")},
    {"iso-8859-10", SingleByte("ISO-8859-10", "ISO-8859-10")},
    {"iso-ir-157", SingleByte("ISO-8859-10", "ISO-8859-10")},
    {"iso8859-10", SingleByte("ISO-8859-10", "ISO-8859-10")},
    {"iso885910", SingleByte("ISO-8859-10", "ISO-8859-10")},
    {"l6", SingleByte("ISO-8859-10", "ISO-8859-10")},
    {"latin6", SingleByte("ISO-8859-10", "ISO-8859-10")},
    {"iso-8859-13", SingleByte("ISO-8859-13", "ISO-8859-13")},
    {"iso8859-13", SingleByte("ISO-8859-13", "ISO-8859-13")},
    {"iso885913", SingleByte("ISO-8859-13", "ISO-8859-13")},
    {"iso-8859-14", SingleByte("ISO-8859-14", "ISO-8859-14")},
    {"iso8859-14", SingleByte("ISO-8859-14", "ISO-8859-14")},
    {"iso885914", SingleByte("ISO-8859-14", "ISO-8859-14")},
    {"csisolatin9", SingleByte("ISO-8859-15", "ISO-8859-15")},
    {"iso-8859-15", SingleByte("ISO-8859-15", "ISO-8859-15")},
    {"latin9", SingleByte("ISO-8859-15", "ISO-8859-15")},
    {"iso8859-15", SingleByte("ISO-8859-15", "ISO-8859-15")},
    {"iso885915", SingleByte("ISO-8859-15", "ISO-8859-15")},
    {"iso_8859-15", SingleByte("ISO-8859-15", "ISO-8859-15")},
    {"l9", SingleByte("ISO-8859-15", "ISO-8859-15")},
    {"iso-8859-16", SingleByte("ISO-8859-16", "ISO-8859-16")},
    {"cskoi8r", SingleByte("KOI8-R", "KOI8-R")},
    {"koi", SingleByte("KOI8-R", "KOI8-R")},
    {"koi8", SingleByte("KOI8-R", "KOI8-R")},
    {"koi8-r", SingleByte("KOI8-R", "KOI8-R")},
    {"koi8_r", SingleByte("KOI8-R", "KOI8-R")},
    {"koi8r", SingleByte("KOI8-R", "KOI8-R")},
    {"koi8-ru", SingleByte("KOI8-U", "KOI8-U")},
    {"koi8-u", SingleByte("KOI8-U", "KOI8-U")},
    {"csmacintosh", SingleByte("macintosh", "MACINTOSH")},
    {"mac", SingleByte("macintosh", "MACINTOSH")},
    {"macintosh", SingleByte("macintosh", "MACINTOSH")},
    {"x-mac-roman", SingleByte("macintosh", "MACINTOSH")},
    {"dos-874", SingleByte("windows-874", "CP874")},
    {"iso-8859-11", SingleByte("windows-874", "CP874")},
    {"iso8859-11", SingleByte("windows-874", "CP874")},
    {"iso885911", SingleByte("windows-874", "CP874")},
    {"tis-620", SingleByte("windows-874", "CP874")},
    {"windows-874", SingleByte("windows-874", "CP874")},
    {"cp1250", SingleByte("windows-1250", "CP1250")},
    {"windows-1250", SingleByte("windows-1250", "CP1250")},
    {"x-cp1250", SingleByte("windows-1250", "CP1250")},
    {"cp1251", SingleByte("windows-1251", "CP1251")},
    {"windows-1251", SingleByte("windows-1251", "CP1251")},
    {"x-cp1251", SingleByte("windows-1251", "CP1251")},
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
    {"cp1253", SingleByte("windows-1253", "CP1253")},
    {"windows-1253", SingleByte("windows-1253", "CP1253")},
    {"x-cp1253", SingleByte("windows-1253", "CP1253")},
    {"cp1254", SingleByte("windows-1254", "CP1254")},
    {"csisolatin5", SingleByte("windows-1254", "CP1254")},
    {"iso-8859-9", SingleByte("windows-1254", "CP1254")},
    {"iso-ir-148", SingleByte("windows-1254", "CP1254")},
    {"iso8859-9", SingleByte("windows-1254", "CP1254")},
    {"iso88599", SingleByte("windows-1254", "CP1254")},
    {"iso_8859-9", SingleByte("windows-1254", "CP1254")},
    {"iso_8859-9:1989", SingleByte("windows-1254", "CP1254")},
    {"l5", SingleByte("windows-1254", "CP1254")},
    {"latin5", SingleByte("windows-1254", "CP1254")},
    {"windows-1254", SingleByte("windows-1254", "CP1254")},
    {"x-cp1254", SingleByte("windows-1254", "CP1254")},
    {"cp1255", SingleByte("windows-1255", "CP1255")},
    {"windows-1255", SingleByte("windows-1255", "CP1255")},
    {"x-cp1255", SingleByte("windows-1255", "CP1255")},
    {"cp1256", SingleByte("windows-1256", "CP1256")},
    {"windows-1256", SingleByte("windows-1256", "CP1256")},
    {"x-cp1256", SingleByte("windows-1256", "CP1256")},
    {"cp1257", SingleByte("windows-1257", "CP1257")},
    {"windows-1257", SingleByte("windows-1257", "CP1257")},
    {"x-cp1257", SingleByte("windows-1257", "CP1257")},
    {"cp1258", SingleByte("windows-1258", "CP1258")},
    {"windows-1258", SingleByte("windows-1258", "CP1258")},
    {"x-cp1258", SingleByte("windows-1258", "CP1258")},
    {"x-mac-cyrillic", SingleByte("x-mac-cyrillic", "MAC-CYRILLIC")},
    {"x-mac-ukrainian", SingleByte("x-mac-cyrillic", "MAC-CYRILLIC")},
    {"x-mac-ce", SingleByte("x-mac-ce", "MAC-CENTRALEUROPE")},
    {"437", SingleByte("IBM437", "IBM437")},
    {"cp437", SingleByte("IBM437", "IBM437")},
    {"ibm437", SingleByte("IBM437", "IBM437")},
    {"cspc8codepage437", SingleByte("IBM437", "IBM437")},
    {"ibm737", SingleByte("IBM737", "CP737")},
    {"ibm775", SingleByte("IBM775", "IBM775")},
    {"ibm850", SingleByte("IBM850", "IBM850")},
    {"cp850", SingleByte("IBM850", "IBM850")},
    {"ibm852", SingleByte("IBM852", "IBM852")},
    {"cp852", SingleByte("IBM852", "IBM852")},
    {"ibm855", SingleByte("IBM855", "IBM855")},
    {"cp855", SingleByte("IBM855", "IBM855")},
    {"ibm857", SingleByte("IBM857", "IBM857")},
    {"cp857", SingleByte("IBM857", "IBM857")},
    {"ibm00858", SingleByte("IBM858", "IBM858")},
    {"ccsid00858", SingleByte("IBM858", "IBM858")},
    {"cp00858", SingleByte("IBM858", "IBM858")},
    {"cp858", SingleByte("IBM858", "IBM858")},
    {"pc-multilingual-850+euro", SingleByte("IBM858", "IBM858")},
    {"ibm860", SingleByte("IBM860", "IBM860")},
    {"cp860", SingleByte("IBM860", "IBM860")},
    {"ibm861", SingleByte("IBM861", "IBM861")},
    {"cp861", SingleByte("IBM861", "IBM861")},
    {"ibm862", SingleByte("IBM862", "IBM862")},
    {"cp862", SingleByte("IBM862", "IBM862")},
    {"dos-862", SingleByte("IBM862", "IBM862")},
    {"ibm863", SingleByte("IBM863", "IBM863")},
    {"cp863", SingleByte("IBM863", "IBM863")},
    {"ibm864", SingleByte("IBM864", "IBM864")},
    {"cp864", SingleByte("IBM864", "IBM864")},
    {"ibm865", SingleByte("IBM865", "IBM865")},
    {"cp865", SingleByte("IBM865", "IBM865")},
    {"ibm869", SingleByte("IBM869", "IBM869")},
    {"cp869", SingleByte("IBM869", "IBM869")},
    {"chinese", DoubleByte("GBK", "GB18030")},
    {"csgb2312", DoubleByte("GBK", "GB18030")},
    {"csiso58gb231280", DoubleByte("GBK", "GB18030")},
    {"gb2312", DoubleByte("GBK", "GB18030")},
    {"gb_2312", DoubleByte("GBK", "GB18030")},
    {"gb_2312-80", DoubleByte("GBK", "GB18030")},
    {"gbk", DoubleByte("GBK", "GB18030")},
    {"iso-ir-58", DoubleByte("GBK", "GB18030")},
    {"x-gbk", DoubleByte("GBK", "GB18030")},
    {"cn-gb", Gbk},
    {"csgb231280", Gbk},
    {"gb2312-80", Gbk},
    {"gb231280", Gbk},
    {"euc-cn", Gbk},
    {"x-euc-cn", Gbk},
    {"gb18030", {"gb18030", "GB18030", Decoder::Iconv, SequenceUnit::Gb18030}},
    {"big5", DoubleByte("Big5", "BIG5-HKSCS")},
    {"big5-hkscs", DoubleByte("Big5", "BIG5-HKSCS")},
    {"cn-big5", DoubleByte("Big5", "BIG5-HKSCS")},
    {"csbig5", DoubleByte("Big5", "BIG5-HKSCS")},
    {"x-x-big5", DoubleByte("Big5", "BIG5-HKSCS")},
    {"cseucpkdfmtjapanese", EucJpEncoding},
    {"euc-jp", EucJpEncoding},
    {"x-euc-jp", EucJpEncoding},
    {"eucjp-ms", EucJpEncoding},
    {"euc-jp-ms", EucJpEncoding},
    {"cp51932", EucJpEncoding},
    {"x-euc", EucJpEncoding},
    {"iso-2022-jpeuc", EucJpEncoding},
    {"extended_unix_code_packed_format_for_japanese", EucJpEncoding},
    {"csiso2022jp", Iso2022JpEncoding},
    {"iso-2022-jp", Iso2022JpEncoding},
    {"iso-2022-jp-ms", Iso2022JpEncoding},
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
    {"cseuckr", DoubleByte("EUC-KR", "CP949")},
    {"csksc56011987", DoubleByte("EUC-KR", "CP949")},
    {"euc-kr", DoubleByte("EUC-KR", "CP949")},
    {"iso-ir-149", DoubleByte("EUC-KR", "CP949")},
    {"korean", DoubleByte("EUC-KR", "CP949")},
    {"ks_c_5601-1987", DoubleByte("EUC-KR", "CP949")},
    {"ks_c_5601-1989", DoubleByte("EUC-KR", "CP949")},
    {"ksc5601", DoubleByte("EUC-KR", "CP949")},
    {"ksc_5601", DoubleByte("EUC-KR", "CP949")},
    {"windows-949", DoubleByte("EUC-KR", "CP949")},
    {"ks-c-5601", EucKr},
    {"ks-c5601", EucKr},
    {"ks_c_5601", EucKr},
    {"ks_c_5601_1987", EucKr},
    {"iso-2022-kr-8", EucKr},
    {"iso-2022-kr-8bit", EucKr},
    {"johab", DoubleByte("Johab", "JOHAB")},
    {"iso-2022-kr", SingleByte("ISO-2022-KR", "ISO-2022-KR")},
    {"csiso2022kr", SingleByte("ISO-2022-KR", "ISO-2022-KR")},
    {"iso-2022-kr-7", SingleByte("ISO-2022-KR", "ISO-2022-KR")},
    {"iso-2022-kr-7bit", SingleByte("ISO-2022-KR", "ISO-2022-KR")},
    {"unicodefffe", Utf16Big},
    {"utf-16be", Utf16Big},
    {"csunicode", Utf16Little},
    {"iso-10646-ucs-2", Utf16Little},
    {"ucs-2", Utf16Little},
    {"unicode", Utf16Little},
    {"unicodefeff", Utf16Little},
    {"utf-16", Utf16Little},
    {"utf-16le", Utf16Little},
    {"x-user-defined", {"x-user-defined", "", Decoder::UserDefined, SequenceUnit::Byte}},
};

bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

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

} // namespace

std::string NormalLabel(const std::string &label) {
    std::string text = WithoutComments(label);
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end &&
           (IsWhiteSpace(text[begin]) || text[begin] == '"' || text[begin] == '\'')) {
        ++begin;
    }
    while (end > begin &&
           (IsWhiteSpace(text[end - 1]) || text[end - 1] == '"' || text[end - 1] == '\'')) {
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
    for (const Label &known : Labels) {
        if (normal == known.Text) {
            return &known.Is;
        }
    }
    return nullptr;
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
