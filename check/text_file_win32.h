#pragma once
// A message text given by name, or dropped onto the program (Windows hands over its name).
#include <cstddef>
#include <string>

// Larger files are no message text, and are not read.
constexpr size_t LargestTextFile = 64u << 20;

enum class FileRead { Read, Unreadable, TooLarge };

FileRead ReadTextFile(const wchar_t *path, std::string &bytes);
