#pragma once
#include <string>

// Prints the settings as the plugin reads them, and warns where a value will not work as meant.
void PrintSettingsReport();

// Text of the code page in UTF-8 and in quotes, its line breaks and control bytes spelt out.
std::string Visible(const std::string &ansi);
