#include "check/clipboard_win32.h"

#include <cstring>

namespace {

// Another program may hold the clipboard for a moment.
bool OpenTheClipboard() {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(nullptr) != FALSE) {
            return true;
        }
        Sleep(50);
    }
    return false;
}

// The text format the clipboard was given: the system adds the other one on request, so the
// first one listed is the one the copying program wrote.
UINT OriginalTextFormat() {
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        if (format == CF_TEXT || format == CF_UNICODETEXT) {
            return format;
        }
    }
    return 0;
}

// Text in the code page as the program wrote it: the bytes that a mail client in that code page
// has, unchanged; else the Unicode text converted.
bool TakeText(UINT format, CheckedText &text) {
    HANDLE data = GetClipboardData(format);
    const void *locked = data != nullptr ? GlobalLock(data) : nullptr;
    if (locked == nullptr) {
        return false;
    }
    const SIZE_T size = GlobalSize(data);
    if (format == CF_TEXT) {
        const auto *bytes = static_cast<const char *>(locked);
        text.Ansi.assign(bytes, strnlen(bytes, size));
    } else {
        const auto *wide = static_cast<const WCHAR *>(locked);
        size_t length = 0;
        while (length < size / sizeof(WCHAR) && wide[length] != 0) {
            ++length;
        }
        text = TextOfWide(wide, length);
    }
    GlobalUnlock(data);
    return true;
}

} // namespace

bool ClipboardText(CheckedText &text) {
    if (!OpenTheClipboard()) {
        return false;
    }
    const UINT format = OriginalTextFormat();
    const bool taken = format != 0 && TakeText(format, text);
    CloseClipboard();
    return taken && !text.Ansi.empty();
}
