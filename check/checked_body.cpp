#include "check/checked_body.h"

#include "check/saved_mail.h"
#include "diagnosis/mail/mail_header.h"

namespace {

std::string Line(const std::string &text) { return text + "\n"; }

std::string CodePage() { return std::to_string(GetACP()); }

std::string Unheld(const Messages &say, size_t unheld) {
    return unheld == 0 ? "" : Line(Fill(say.Unheld, {std::to_string(unheld), CodePage()}));
}

// A text whose header lines the reader saved or copied with it: the plugin sees what follows.
void TakeBody(const char *withHeaders, const std::string &text, CheckedBody &checked) {
    MailHeader header{};
    if (!FindMailHeader(text, header)) {
        checked.Body = text;
        return;
    }
    checked.Account += Line(Fill(withHeaders, {std::to_string(header.BodyLine)}));
    checked.Body = text.substr(header.BodyStart);
    checked.Offset = header.BodyLine - 1;
}

CheckedBody BodyOfMail(const Messages &say, const std::string &name, const std::string &bytes,
                       const SavedMail &mail) {
    CheckedBody checked{false, {}, 0, {}};
    checked.Account = Line(Fill(say.FileHeading, {name, say.AsMail, std::to_string(bytes.size()),
                                                  std::to_string(LineCount(bytes))})) +
                      Line(Fill(say.SavedMail, {std::to_string(mail.BodyLine)}));
    switch (mail.Result) {
    case MailText::NoTextPart:
        checked.Account += Line(Fill(say.NoTextPart, {mail.Type}));
        return checked;
    case MailText::UnreadCharset:
        checked.Account += Line(Fill(say.UnreadCharset, {mail.Sent}));
        return checked;
    case MailText::Read:
        break;
    }
    checked.Account += Line(Fill(say.ReadAs, {mail.Sent})) + Unheld(say, mail.Unheld) +
                       Line(mail.LinesAsSaved ? say.CountedInFile : say.CountedInBody);
    checked.Readable = true;
    checked.Body = mail.Body;
    checked.Offset = mail.LinesAsSaved ? mail.BodyLine - 1 : 0;
    return checked;
}

} // namespace

CheckedBody BodyOfFile(const Messages &say, const std::string &name, const std::string &bytes) {
    SavedMail mail{};
    if (ReadSavedMail(bytes, mail)) {
        return BodyOfMail(say, name, bytes, mail);
    }
    const CheckedText text = TextOfFile(bytes);
    CheckedBody checked{true, {}, 0, {}};
    checked.Account =
        Line(Fill(say.FileHeading,
                  {name, Fill(SavedAs(say, text.Saved), {CodePage()}),
                   std::to_string(TextLength(text.Ansi)), std::to_string(LineCount(text.Ansi))})) +
        Unheld(say, text.Unheld);
    TakeBody(say.SavedWithHeaders, text.Ansi, checked);
    return checked;
}

CheckedBody BodyOfClipboard(const Messages &say, const CheckedText &text) {
    CheckedBody checked{true, {}, 0, {}};
    checked.Account = Line(Fill(say.ClipboardHeading, {std::to_string(TextLength(text.Ansi)),
                                                       std::to_string(LineCount(text.Ansi))})) +
                      Unheld(say, text.Unheld);
    TakeBody(say.CopiedWithHeaders, text.Ansi, checked);
    return checked;
}
