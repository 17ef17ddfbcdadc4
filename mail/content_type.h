#pragma once
// The values of a part's Content-Type and Content-Disposition fields: what the part is, and its
// parameters (RFC 2045, RFC 2183).
#include <string>

// The media type of a Content-Type value, in lower case, as "text/plain"; the type that a part
// without one is taken for when the value is empty or names no subtype.
std::string MediaTypeOf(const std::string &value);

// A parameter of the value: its quotes (and the backslashes that escape in them) taken off, or
// as written, blanks around it trimmed, when unquoted; empty when it is missing.
std::string ParameterOf(const std::string &value, const char *name);

// The disposition of a Content-Disposition value, in lower case: "attachment", "inline".
std::string DispositionOf(const std::string &value);

// ASCII letters in lower case.
std::string Lowered(std::string text);

// Without the blanks and line breaks around it.
std::string Trimmed(const std::string &text);
