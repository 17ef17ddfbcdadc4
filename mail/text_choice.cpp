#include "mail/text_choice.h"

#include "mail/limits.h"

namespace {

// How deep the search for a part went, and whether it was stopped.
struct Depth {
    int Level;
    bool &TooDeep;
    Depth Deeper() const { return {Level + 1, TooDeep}; }
    bool Exceeded() const {
        TooDeep = TooDeep || Level > MaxNesting;
        return Level > MaxNesting;
    }
};

class Chooser {
  public:
    explicit Chooser(const std::string &mail) : Mail(mail) {}

    // The first part of `type` in document order that is no attachment: in a
    // multipart/alternative, the plain one before the HTML one. Attached messages are not entered.
    bool FirstTextPart(const MimeEntity &entity, const char *type, Depth depth, MimeEntity &found) {
        if (depth.Exceeded()) {
            return false;
        }
        if (IsMultipart(entity)) {
            for (const MimeEntity &part : PartsOf(Mail, entity)) {
                if (FirstTextPart(part, type, depth.Deeper(), found)) {
                    return true;
                }
            }
            return false;
        }
        if (HoldsMessage(entity) || IsAttachment(entity) || entity.Type != type) {
            return false;
        }
        found = entity;
        return true;
    }

    // The first message attached to the entity (a forwarded issue).
    bool FirstAttachedMessage(const MimeEntity &entity, Depth depth, MimeEntity &found) {
        if (depth.Exceeded()) {
            return false;
        }
        if (HoldsMessage(entity)) {
            found = EntityAt(Mail, entity.BodyBegin, entity.BodyEnd);
            return true;
        }
        if (!IsMultipart(entity)) {
            return false;
        }
        for (const MimeEntity &part : PartsOf(Mail, entity)) {
            if (FirstAttachedMessage(part, depth.Deeper(), found)) {
                return true;
            }
        }
        return false;
    }

    // The part the client shows as the message's text. A message forwarded as an attachment
    // with no text around it is opened, as deep as it goes.
    bool Choose(const MimeEntity &message, Depth depth, int forwards, TextChoice &choice) {
        MimeEntity attached{};
        if (FirstTextPart(message, "text/plain", depth, choice.Part)) {
            choice.Html = false;
            choice.Forwards = forwards;
            if (FirstAttachedMessage(message, depth, attached)) {
                choice.Note = MailNote::AttachedNotOpened;
            }
            return true;
        }
        if (FirstTextPart(message, "text/html", depth, choice.Part)) {
            choice.Html = true;
            choice.Forwards = forwards;
            choice.Note = MailNote::HtmlOnly;
            return true;
        }
        if (!FirstAttachedMessage(message, depth, attached) ||
            !Choose(attached, depth.Deeper(), forwards + 1, choice)) {
            return false;
        }
        choice.Note = choice.Note == MailNote::None ? MailNote::Forwarded : choice.Note;
        return true;
    }

  private:
    const std::string &Mail;
};

} // namespace

ChoiceFound ChooseText(const std::string &mail, const MimeEntity &message, TextChoice &choice) {
    choice = TextChoice{{}, false, 0, MailNote::None};
    bool tooDeep = false;
    if (Chooser(mail).Choose(message, {0, tooDeep}, 0, choice)) {
        return ChoiceFound::Found;
    }
    return tooDeep ? ChoiceFound::TooDeep : ChoiceFound::NoTextPart;
}

std::string PartName(const TextChoice &choice) {
    if (choice.Html) {
        return choice.Forwards == 0 ? "text/html" : "text/html of the attached message";
    }
    if (choice.Forwards == 0) {
        return "text/plain";
    }
    return choice.Forwards == 1 ? "text/plain of the attached message"
                                : "text/plain of the message attached " +
                                      std::to_string(choice.Forwards) + " levels down";
}
