#pragma once
// How the preview and the self-check show a value that the plugin read: in quotes, with its line
// breaks, tabs, other control characters, quotes and backslashes spelt out as C writes them.
#include <string>

// The value, given in UTF-8.
std::string QuotedValue(const std::string &utf8);

// The value, given in the code page (as the plugin read it).
std::string Quoted(const std::string &ansi);

// A character with its code point, such as "😀 (U+1F600)".
std::string CharacterAndCode(long codePoint);

// The code page's number, with its name where it has a common one: "932 (Shift_JIS)".
std::string CodePageName(unsigned codePage);
