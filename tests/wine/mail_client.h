#pragma once
// What the stand-in mail clients under Wine do alike (the package test's, the screenshot's, the
// DLL bench's): read a body from a file, load dovrink.dll with the entry points they call, and
// show its ANSI text in UTF-8.
#include <windows.h>

#include <string>

#include "plugin/entry_points.h"

struct ClientPlugin : EntryPoints {
    HMODULE Module = nullptr;
};

// False when the library does not load or lacks one of the entry points.
bool LoadClientPlugin(const char *path, ClientPlugin &plugin);

// The file's bytes; empty when it cannot be read.
std::string ReadBodyFile(const char *path);

// Text of the ANSI code page in UTF-8.
std::string AnsiToUtf8(const std::string &ansi);
