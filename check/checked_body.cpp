#include "check/checked_body.h"

#include "diagnosis/quoted_value.h"
#include "mail/header_block.h"
#include "mail/saved_file.h"

namespace {

std::string Line(const std::string &text) { return text + "\n"; }

std::string CodePage() { return std::to_string(GetACP()); }

std::string Unheld(const Messages &say, size_t unheld) {
    return unheld == 0 ? "" : Line(Fill(say.Unheld, {std::to_string(unheld), CodePage()}));
}

// A copied text whose header lines the reader copied with it: the plugin sees what follows.
void TakeBody(const Messages &say, const std::string &text, CheckedBody &checked) {
    MailHeader header{};
    if (!FindMailHeader(text, header)) {
        checked.Body = text;
        return;
    }
    checked.Account += Line(Fill(say.CopiedWithHeaders, {std::to_string(header.BodyLine)}));
    checked.Body = text.substr(header.BodyStart);
    checked.Offset = header.BodyLine - 1;
}

// How the mail's text was sent, for the reader: "ISO-2022-JP", "UTF-8, base64".
std::string SentAs(const MailBody &mail) {
    std::string sent = mail.Is != nullptr ? mail.Is->Name : mail.Label;
    const bool encoded = mail.TransferEncoding == "base64" ||
                         mail.TransferEncoding == "quoted-printable" ||
                         mail.TransferEncoding == "x-uuencode";
    return encoded ? sent + ", " + mail.TransferEncoding : sent;
}

// What the client does with the mail that the reader should know, a line each.
std::string Notes(const Messages &say, const MailBody &mail) {
    const char *note = mail.Note == MailNote::HtmlOnly            ? say.HtmlOnly
                       : mail.Note == MailNote::Forwarded         ? say.Forwarded
                       : mail.Note == MailNote::AttachedNotOpened ? say.AttachedNotOpened
                       : mail.Note == MailNote::FormatFlowed      ? say.FormatFlowed
                                                                  : nullptr;
    std::string notes = note != nullptr ? Line(note) : "";
    if (mail.Variant) {
        notes += Line(Fill(say.VariantLabel, {QuotedValue(mail.Label), mail.Is->Name}));
    }
    return notes;
}

CheckedBody BodyOfMail(const Messages &say, const std::string &name, const std::string &bytes,
                       const MailBody &mail) {
    CheckedBody checked{false, {}, 0, {}};
    checked.Account = Line(Fill(say.FileHeading, {name, say.AsMail, std::to_string(bytes.size()),
                                                  std::to_string(LineCount(bytes))})) +
                      Line(Fill(say.SavedMail, {std::to_string(mail.BodyLine)}));
    switch (mail.Result) {
    case MailRead::Piece:
    case MailRead::NoTextPart:
    case MailRead::TooDeep:
        checked.Account += Line(Fill(say.NoTextPart, {mail.Type}));
        return checked;
    case MailRead::UnreadCharset:
        checked.Account += Line(Fill(say.UnreadCharset, {SentAs(mail)}));
        return checked;
    case MailRead::Body:
        break;
    }
    checked.Account += Line(Fill(say.ReadAs, {SentAs(mail)})) + Unheld(say, mail.Unheld) +
                       Notes(say, mail) +
                       Line(mail.LinesAsSaved ? say.CountedInFile : say.CountedInBody);
    checked.Readable = true;
    checked.Body = mail.Text;
    checked.Offset = mail.LinesAsSaved ? mail.BodyLine - 1 : 0;
    return checked;
}

// A text saved alone: the plugin sees what follows any header lines saved with it.
CheckedBody BodyOfText(const Messages &say, const std::string &name, const PlainText &text) {
    CheckedBody checked{true, text.Body(), 0, {}};
    checked.Account =
        Line(Fill(say.FileHeading,
                  {name, Fill(SavedAs(say, text.Saved), {CodePage()}),
                   std::to_string(TextLength(text.Text)), std::to_string(LineCount(text.Text))})) +
        Unheld(say, text.Unheld);
    if (text.OpensWithHeader) {
        checked.Account += Line(Fill(say.SavedWithHeaders, {std::to_string(text.Header.BodyLine)}));
        checked.Offset = text.Header.BodyLine - 1;
    }
    return checked;
}

} // namespace

CheckedBody BodyOfFile(const Messages &say, const std::string &name, const std::string &bytes) {
    const SavedFile file = ReadSavedFile(bytes, GetACP());
    return file.IsMail ? BodyOfMail(say, name, bytes, file.Mail) : BodyOfText(say, name, file.Text);
}

CheckedBody BodyOfClipboard(const Messages &say, const CheckedText &text) {
    CheckedBody checked{true, {}, 0, {}};
    checked.Account = Line(Fill(say.ClipboardHeading, {std::to_string(TextLength(text.Ansi)),
                                                       std::to_string(LineCount(text.Ansi))})) +
                      Unheld(say, text.Unheld);
    TakeBody(say, text.Ansi, checked);
    return checked;
}
