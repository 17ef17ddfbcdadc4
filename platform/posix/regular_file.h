#pragma once
// A file opened for reading only when it is a regular file, without waiting: a named pipe, a
// socket or a device where a file is expected is never opened, since reading one may not end
// (Windows' folders hold none of them).
#include <cstdio>
#include <string>

// The file, or null: `special` then says whether the path is something other than a regular
// file, and errno why it could not be opened otherwise.
std::FILE *OpenRegularFile(const std::string &posixPath, bool &special);
