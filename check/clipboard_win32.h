#pragma once
// The text on the clipboard, as a reader copies an issue from the mail client's view.
#include "check/checked_text.h"

// False when the clipboard holds no text, or cannot be opened.
bool ClipboardText(CheckedText &text);
