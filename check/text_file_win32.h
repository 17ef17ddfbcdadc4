#pragma once
// A message text given by name, or dropped onto the program (Windows hands over its name).
#include <string>
#include <vector>

#include "check/check_system.h"

FileRead ReadTextFile(const wchar_t *path, std::string &bytes);

// The files in a folder (not its subfolders), in the order of their names; false when the path
// names no folder.
bool FilesInFolder(const std::wstring &folder, std::vector<std::wstring> &files);
