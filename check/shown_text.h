#pragma once
// Text of the code page as the self-check shows it, in UTF-8.
#include <cstddef>
#include <string>

// A value of the code page in quotes, as diagnosis/quoted_value.h shows it.
std::string Quoted(const char *ansi);

// The text with every line wider than `width` columns broken, as a console of that width shows
// it best: at the last blank that fits, else (Japanese has none) between two characters, never
// before a closing mark. A character takes as many columns as it takes bytes in the code page.
// The lines that continue a line are indented two columns more than it.
std::string Wrapped(const std::string &utf8, size_t width);
