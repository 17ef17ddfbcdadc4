#pragma once
// Characters as a reader of Japanese newsletters tells them apart: the letters of a heading, the
// marks around it, blanks; and the forms a reader takes for one another when typing a keyword.
#include "diagnosis/text_lines.h"

// Kana, kanji and Latin letters, of either width: the words of a heading, which a caption must
// not lose (a heading's number, like its marks, it may).
bool IsLetter(WCHAR c);

// Digits, of either width.
bool IsDigit(WCHAR c);

// Blanks: ASCII space and tab, and the full-width space.
bool IsBlank(WCHAR c);

// Moves `first` and `last` (the end of the text, past its last character) inward over the blanks
// at either end of the text.
void TrimBlanks(const WideText &text, size_t &first, size_t &last);

// The text with the forms that readers mistake for one another made one: full-width ASCII as
// ASCII, half-width katakana (their voiced marks joined) as full-width, the dashes, bars and
// tildes each as one, □ as ■, ◇ as ◆, ○ as ●, the full-width space as a space. `from` gets,
// for each unit of the result, the unit of the text it came from, and the text's length last.
WideText LenientForm(const WideText &text, std::vector<size_t> &from);

// A character that looks like `codePoint` and that the ANSI code page holds, as Japanese text
// written on other systems brings them (〜 for ～, − for －, ‖ for ∥, — for ―, ¢ £ ¬ for their
// full-width forms); 0 when there is none.
long LookAlikeInCodePage(long codePoint);
