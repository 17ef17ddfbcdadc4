#pragma once
// A file that a reader saved from the mail client (or a message a mailbox holds), read as the
// client would hand the plugin its text: a saved mail when it opens with a mail's header
// (mail_body.h), else a text saved alone (plain_text.h).
#include <string>

#include "mail/mail_body.h"
#include "mail/plain_text.h"

struct SavedFile {
    bool IsMail;
    MailBody Mail;  // when IsMail
    PlainText Text; // when not
};

SavedFile ReadSavedFile(const std::string &bytes, UINT ansiCodePage);
