#pragma once
// A settings file's text as Windows reads it before it looks for a key: UTF-16 or UTF-8 by its
// byte-order mark, else in the ANSI code page, and in Unicode from then on (here as UTF-8, for
// the scan of profile_text.h).
#include <string>

// False when the file cannot be read.
bool ReadProfileText(const std::string &posixPath, std::string &utf8);

// The file's bytes as they are; false when it cannot be read.
bool ReadFileBytes(const std::string &posixPath, std::string &bytes);

// UTF-8 text in the ANSI code page, each character it lacks written as "?", as Windows hands a
// value to a program that asks in ANSI.
std::string ProfileValueInAnsi(const std::string &utf8);
