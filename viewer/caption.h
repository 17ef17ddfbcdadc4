#pragma once
// The front of a keyword and of its section that the boxes leave out: the keyword is meant to
// open with a mark of 4 bytes ("◆◆", "### "), which the caption and the text do without.

// Bytes left out at the front of both the shown text and the caption.
constexpr int ExcerptSkip = 4;

// The caption of the keyword's boxes: the keyword less its first ExcerptSkip bytes, or its empty
// end when it is shorter.
inline const char *CaptionOf(const char *keyword) {
    for (int i = 0; i < ExcerptSkip && *keyword != '\0'; ++i) {
        ++keyword;
    }
    return keyword;
}
