#include "preview/mail/plain_body.h"

#include "platform/posix/text_conversion.h"
#include "platform/text_encoding.h"
#include "preview/charsets/iconv_text.h"

bool ReadPlainBody(std::string bytes, const char *ansiCharset, std::string &body,
                   std::string &origin, std::string &error) {
    // A body without a mark is text of the code page, as the client hands it over.
    const SavedEncoding saved = SavedEncodingOf(bytes.data(), bytes.size(), false);
    if (saved == SavedEncoding::Ansi) {
        body = std::move(bytes);
        origin.clear();
        return true;
    }
    const bool utf16 = saved != SavedEncoding::Utf8WithMark;
    const char *from = !utf16                                      ? "UTF-8"
                       : saved == SavedEncoding::Utf16LittleEndian ? "UTF-16LE"
                                                                   : "UTF-16BE";
    std::string utf8;
    size_t unreadable = 0;
    ConvertText(bytes.substr(SavedMarkLength(saved)), from, "UTF-8",
                utf16 ? SequenceUnit::Utf16 : SequenceUnit::Utf8, "\xEF\xBF\xBD", utf8, unreadable);
    std::string().swap(bytes);
    size_t replaced = 0;
    if (!Utf8ToCharset(utf8, ansiCharset, body, replaced)) {
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
