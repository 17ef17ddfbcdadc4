#include "mail/saved_file.h"

SavedFile ReadSavedFile(const std::string &bytes, UINT ansiCodePage) {
    SavedFile file{false, {}, {}};
    file.IsMail = ReadMailBody(bytes, ansiCodePage, file.Mail);
    if (!file.IsMail) {
        file.Text = ReadPlainText(bytes, ansiCodePage);
    }
    return file;
}
