#include "check/saved_mail.h"

#include "check/conversions.h"
#include "diagnosis/mail/iso_2022_jp.h"
#include "diagnosis/mail/jis_codes.h"
#include "diagnosis/mail/labels.h"
#include "diagnosis/mail/mail_header.h"

namespace {

// Text of code page 932 in the ANSI code page; the decoder's marks for what it could not read
// become "?", as the client shows them.
std::string AnsiOfCp932(std::string cp932, size_t &unheld) {
    if (GetACP() != 932) {
        return AnsiOf(WideOf(932, cp932), unheld);
    }
    for (char &c : cp932) {
        if (c == UnreadableInCp932) {
            c = '?';
            ++unheld;
        }
    }
    return cp932;
}

// The part's text in the ANSI code page; false when its charset is none this check reads.
bool ReadCharset(const TextPart &part, const Encoding &encoding, SavedMail &mail) {
    switch (encoding.With) {
    case Decoder::ShiftJis:
        mail.Body = AnsiOfCp932(part.Bytes, mail.Unheld);
        return true;
    case Decoder::Iso2022Jp: {
        std::string cp932;
        Iso2022JpToCp932(part.Bytes, cp932);
        mail.Body = AnsiOfCp932(cp932, mail.Unheld);
        return true;
    }
    case Decoder::Utf8:
        mail.Body = AnsiOf(WideOf(CP_UTF8, part.Bytes), mail.Unheld);
        return true;
    case Decoder::EucJp:
    case Decoder::UserDefined:
    case Decoder::Iconv:
        return false;
    }
    return false;
}

// Line ends as the client hands them over: CR LF.
std::string WithCrLf(const std::string &text) {
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 32);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            crlf += '\r';
        }
        crlf += text[i];
    }
    return crlf;
}

} // namespace

bool ReadSavedMail(const std::string &bytes, SavedMail &mail) {
    MailHeader header{};
    if (!FindMailHeader(bytes, header)) {
        return false;
    }
    mail = SavedMail{MailText::Read, header.BodyLine, {}, {}, {}, false, 0};
    TextPart part;
    const TextPartFound found = FindTextPart(bytes, header.BodyStart, part);
    mail.Type = part.Type;
    if (found != TextPartFound::Found) {
        mail.Result = MailText::NoTextPart;
        return true;
    }
    const char *how = nullptr;
    const Encoding *encoding = part.Charset.empty()
                                   ? &EncodingOfUnlabelled(part.Bytes, how)
                                   : EncodingOfNormalLabel(NormalLabel(part.Charset));
    mail.Sent = encoding != nullptr ? encoding->Name : part.Charset;
    mail.Sent += part.TransferEncoding.empty() ? "" : ", " + part.TransferEncoding;
    mail.LinesAsSaved = part.LinesAsSaved;
    if (encoding == nullptr || !ReadCharset(part, *encoding, mail)) {
        mail.Result = MailText::UnreadCharset;
        return true;
    }
    mail.Body = WithCrLf(mail.Body);
    return true;
}
