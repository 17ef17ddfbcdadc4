#pragma once
// Text as the self-check's console shows it.
#include <cstddef>
#include <string>

// Where the lines that continue a line start: two columns further in than it, or, in a table of
// options such as a program's usage, under the text of its row ("  /show   text"), the text that
// follows a gap of two blanks or more after the row's first word; a line without one is
// continued where it starts.
enum class Continued { Indented, UnderText };

// The text with every line wider than `width` columns broken, as a console of that width shows
// it best: at the last blank that fits, else (Japanese has none) between two characters, never
// before a closing mark. A character takes as many columns as it takes bytes in the code page.
std::string Wrapped(const std::string &utf8, size_t width,
                    Continued continued = Continued::Indented);
