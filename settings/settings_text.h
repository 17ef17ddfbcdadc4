#pragma once
// Values and files written in the settings file's format, for /setup and the advice, and values
// read back as the plugin will read them: a value is offered only when it reads back unchanged.
#include <string>
#include <vector>

// The value (in the code page, line breaks as CR LF, as the plugin holds it) as the settings file
// writes it: CR LF as the escape \n, in quotes when blanks at either end would be trimmed or
// quotes around it taken off.
std::string WrittenValue(const std::string &value);

// A value as written after "key=" as the plugin reads it: up to the line's end, blanks trimmed,
// matching quotes taken off, \n as CR LF.
std::string ReadBackValue(const std::string &written);

// Whether the settings hold the separator, and read it back as it is written.
bool SeparatorFits(const std::string &separator);

// The text of a settings file (in the code page, CR LF) with the keywords (as the plugin holds
// them), the separator and the page length, under the comment lines given (in the code page).
std::string SettingsFileText(const std::vector<std::string> &comments,
                             const std::vector<std::string> &keywords, const std::string &separator,
                             int pageLines);
