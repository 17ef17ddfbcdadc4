#include "mail/mail_body.h"

#include "mail/ansi_text.h"
#include "mail/charset_decoding.h"
#include "mail/content_type.h"
#include "mail/header_text.h"
#include "mail/transfer_encoding.h"

namespace {

// A parameter's number, as message/partial gives a piece's: digits alone, else 0.
unsigned NumberOf(const std::string &text) {
    unsigned number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9' || number > 99999999) {
            return 0;
        }
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    return number;
}

// The piece of a message sent in pieces that the message is, if it is one.
bool ReadPiece(const std::string &bytes, const MimeEntity &message, MessagePiece &piece) {
    if (message.Type != "message/partial") {
        return false;
    }
    const std::string contentType = FieldOf(message, "Content-Type");
    piece = {ParameterOf(contentType, "id"), NumberOf(ParameterOf(contentType, "number")),
             NumberOf(ParameterOf(contentType, "total")),
             bytes.substr(message.BodyBegin, message.BodyEnd - message.BodyBegin)};
    return !piece.Id.empty() && piece.Number >= 1 && piece.Total >= piece.Number;
}

MailRead ResultOf(ChoiceFound found) {
    return found == ChoiceFound::TooDeep ? MailRead::TooDeep : MailRead::NoTextPart;
}

// The chosen part's text, read for the code page; the message's own body starts at `bodyStart`.
void ReadPart(const std::string &bytes, const TextChoice &choice, size_t bodyStart,
              UINT ansiCodePage, MailBody &body) {
    const MimeEntity &part = choice.Part;
    const std::string contentType = FieldOf(part, "Content-Type");
    body.Part = PartName(choice);
    body.Note = choice.Note;
    if (body.Note == MailNote::None && Lowered(ParameterOf(contentType, "format")) == "flowed") {
        body.Note = MailNote::FormatFlowed;
    }
    body.Label = ParameterOf(contentType, "charset");
    body.TransferEncoding = TransferEncodingOf(FieldOf(part, "Content-Transfer-Encoding"));
    const bool encoded = body.TransferEncoding == "base64" ||
                         body.TransferEncoding == "quoted-printable" ||
                         body.TransferEncoding == "x-uuencode";
    body.LinesAsSaved = choice.Forwards == 0 && part.BodyBegin == bodyStart && !encoded;
    DecodedText text;
    const bool read =
        DecodeText(DecodeTransfer(bytes.substr(part.BodyBegin, part.BodyEnd - part.BodyBegin),
                                  body.TransferEncoding),
                   body.Label, text);
    body.Is = text.Is;
    body.ReadAs = text.ReadAs;
    body.Variant = text.Variant;
    if (!read) {
        body.Result = MailRead::UnreadCharset;
        return;
    }
    body.Text = WithCrLf(AnsiOfWide(ansiCodePage, text.Wide, body.Unheld));
}

} // namespace

bool ReadMailBody(const std::string &bytes, UINT ansiCodePage, MailBody &body) {
    body = MailBody{};
    MailHeader header{};
    if (!FindMailHeader(bytes, header)) {
        return false;
    }
    const MimeEntity message = EntityAt(bytes, 0, bytes.size());
    body.Type = message.Type;
    body.BodyLine = header.BodyLine;
    if (ReadPiece(bytes, message, body.Piece)) {
        body.Result = MailRead::Piece;
        return true;
    }
    body.Piece = MessagePiece{};
    body.Subject = DecodeHeaderText(FieldOf(message, "Subject"));
    TextChoice choice;
    const ChoiceFound found = ChooseText(bytes, message, choice);
    if (found != ChoiceFound::Found) {
        body.Result = ResultOf(found);
        return true;
    }
    ReadPart(bytes, choice, header.BodyStart, ansiCodePage, body);
    return true;
}
