#include "preview/charsets/iconv_text.h"

#include "platform/posix/text_conversion.h"

size_t Cp932ToUtf8(const std::string &bytes, std::string &utf8) {
    size_t unreadable = 0;
    ConvertText(bytes, "CP932", "UTF-8", SequenceUnit::Cp932, "\xEF\xBF\xBD", utf8, unreadable);
    return unreadable;
}

bool Utf8ToCharset(const std::string &utf8, const std::string &charset, std::string &out,
                   size_t &replaced) {
    return ConvertText(utf8, "UTF-8", charset.c_str(), SequenceUnit::Utf8, "?", out, replaced);
}
