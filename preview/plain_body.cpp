#include "preview/plain_body.h"

#include "platform/posix/text_conversion.h"
#include "platform/text_encoding.h"
#include "preview/charset.h"

bool ReadPlainBody(std::string bytes, const char *ansiCharset, std::string &body,
                   std::string &origin, std::string &error) {
    const ByteOrderMark mark = ByteOrderMarkOf(bytes.data(), bytes.size());
    if (mark == ByteOrderMark::None) {
        body = std::move(bytes);
        origin.clear();
        return true;
    }
    const bool utf16 = mark != ByteOrderMark::Utf8;
    const char *from = mark == ByteOrderMark::Utf8                ? "UTF-8"
                       : mark == ByteOrderMark::Utf16LittleEndian ? "UTF-16LE"
                                                                  : "UTF-16BE";
    std::string utf8;
    size_t unreadable = 0;
    ConvertText(bytes.substr(MarkLength(mark)), from, "UTF-8",
                utf16 ? SequenceUnit::Utf16 : SequenceUnit::Utf8, "\xEF\xBF\xBD", utf8, unreadable);
    std::string().swap(bytes);
    size_t replaced = 0;
    if (!EncodeUtf8(utf8, ansiCharset, body, replaced)) {
        error = std::string("no converter for ") + ansiCharset;
        return false;
    }
    origin = std::string("a text body saved as ") + (utf16 ? "UTF-16" : "UTF-8") +
             " with a byte-order mark";
    if (replaced > 0) {
        origin += "; " + std::to_string(replaced) + (replaced == 1 ? " character" : " characters") +
                  " that the code page cannot hold show as \"?\"";
    }
    return true;
}
