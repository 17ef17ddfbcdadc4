#pragma once
#include <string>

// The core writes paths the Windows way; the stand-ins turn them into POSIX paths and back, and
// the preview shows them the POSIX way.
std::string PosixPath(const char *windowsPath);
std::string WindowsPath(const std::string &posixPath);

// Windows looks for a bare file name (no folder in it) in the Windows folder, not the current one.
bool NamesFolder(const char *windowsPath);
