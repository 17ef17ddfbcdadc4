#pragma once
// Text as the self-check's console shows it.
#include <cstddef>
#include <string>

// The text with every line wider than `width` columns broken, as a console of that width shows
// it best: at the last blank that fits, else (Japanese has none) between two characters, never
// before a closing mark. A character takes as many columns as it takes bytes in the code page.
// The lines that continue a line are indented two columns more than it.
std::string Wrapped(const std::string &utf8, size_t width);
