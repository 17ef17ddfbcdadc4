#pragma once
// White space as mail writes it between words, in folded header lines and at the ends of encoded
// lines: space and tab (RFC 5322's WSP), never line breaks.
inline bool IsWhiteSpace(char c) { return c == ' ' || c == '\t'; }
