#include "preview/words/mail_words.h"

#include "mail/charset_decoding.h"
#include "mail/limits.h"

namespace {

std::string Count(size_t number, const char *one, const char *many) {
    return std::to_string(number) + " " + (number == 1 ? one : many);
}

const char *NoteOf(MailNote note) {
    switch (note) {
    case MailNote::AttachedNotOpened:
        return "a message is attached: the text around it is handed over, as the client shows it; "
               "the attached message is not opened";
    case MailNote::HtmlOnly:
        return "HTML only: its source is handed over as the text, tags and all, as a client "
               "without an HTML view shows it";
    case MailNote::Forwarded:
        return "forwarded as an attachment: the attached message's text is taken, which a client "
               "shows only once the attachment is opened";
    case MailNote::FormatFlowed:
        return "format=flowed: its lines are handed over as sent, not rejoined";
    case MailNote::None:
        break;
    }
    return nullptr;
}

} // namespace

std::string OriginOf(const MailBody &mail, unsigned codePage) {
    std::string origin = mail.Part + " in " + mail.ReadAs + ", " + mail.TransferEncoding;
    if (mail.Unheld > 0) {
        const bool one = mail.Unheld == 1;
        origin += "; " + Count(mail.Unheld, "character", "characters") +
                  " that could not be read or that code page " + std::to_string(codePage) +
                  " cannot hold" + (one ? " shows" : " show") + " as \"?\"";
    }
    return origin;
}

std::string OriginOf(const PlainText &text) {
    if (text.Saved == SavedEncoding::Ansi) {
        return {};
    }
    const bool utf16 = text.Saved == SavedEncoding::Utf16LittleEndian ||
                       text.Saved == SavedEncoding::Utf16BigEndian;
    const bool marked = text.Saved != SavedEncoding::Utf8;
    std::string origin = std::string("a text body saved as ") + (utf16 ? "UTF-16" : "UTF-8") +
                         (marked ? " with" : " without") + " a byte-order mark";
    if (text.Unheld > 0) {
        origin += "; " + Count(text.Unheld, "character", "characters") +
                  " that the code page cannot hold show as \"?\"";
    }
    return origin;
}

std::vector<std::string> NotesOf(const MailBody &mail) {
    std::vector<std::string> notes;
    if (const char *note = NoteOf(mail.Note)) {
        notes.emplace_back(note);
    }
    if (mail.Variant) {
        notes.push_back("charset \"" + EscapedLabel(mail.Label) +
                        "\" is a Japanese mail program's name for its variant of " + mail.Is->Name +
                        ": it is read as " + mail.Is->Name + ", as Japanese mail clients read it");
    }
    return notes;
}

std::vector<std::string> NotesOf(const PlainText &text) {
    if (!text.OpensWithHeader) {
        return {};
    }
    return {
        "the saved text opens with a mail's header lines: the client shows its body, from line " +
        std::to_string(text.Header.BodyLine) + ", and the plugin is handed that"};
}

std::string WhyUnread(const MailBody &mail) {
    switch (mail.Result) {
    case MailRead::NoTextPart:
        return "no text part (neither text/plain nor text/html) to show";
    case MailRead::TooDeep:
        return "its MIME parts and forwarded messages nest deeper than " +
               std::to_string(MaxNesting) + " levels, which the tool does not read";
    case MailRead::UnreadCharset:
        return mail.Is == nullptr
                   ? "unknown charset \"" + EscapedLabel(mail.Label) + "\""
                   : "charset \"" + EscapedLabel(mail.Label) + "\" (code page " +
                         std::to_string(mail.Is->CodePage) + "), which this system cannot convert";
    case MailRead::Body:
    case MailRead::Piece:
        break;
    }
    return {};
}
