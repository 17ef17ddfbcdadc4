#pragma once
// A header field's text (such as a Subject) as mail clients show it.
#include <string>

// The field's raw value, folded or not, in UTF-8. Encoded words (RFC 2047) are read in every
// charset a body is read in; adjacent ones of one charset are joined before their charset is
// read, so that a character split between two words is kept and padding ends no more than its
// word; the blanks between encoded words go. Text outside them that holds 8-bit bytes or
// ISO-2022-JP escapes is read as a body without a charset is.
std::string DecodeHeaderText(const std::string &raw);
