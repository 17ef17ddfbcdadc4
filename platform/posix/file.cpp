// CreateFileA, ReadFile and CloseHandle for reading a whole file, the way the core reads one; and
// GetFileAttributesA for whether a file is there.
#include <sys/stat.h>

#include <cstdio>

#include "platform/posix/regular_file.h"
#include "platform/posix/windows_api.h"
#include "platform/posix/windows_path.h"

HANDLE CreateFileA(LPCSTR fileName, DWORD access, DWORD, void *, DWORD creationDisposition, DWORD,
                   HANDLE) {
    if (fileName == nullptr || access != GENERIC_READ || creationDisposition != OPEN_EXISTING) {
        return INVALID_HANDLE_VALUE;
    }
    bool special = false;
    FILE *file = OpenRegularFile(PosixPath(fileName), special);
    return file != nullptr ? file : INVALID_HANDLE_VALUE;
}

BOOL ReadFile(HANDLE file, void *buffer, DWORD toRead, DWORD *read, void *) {
    auto *stream = static_cast<FILE *>(file);
    const size_t got = std::fread(buffer, 1, toRead, stream);
    if (read != nullptr) {
        *read = static_cast<DWORD>(got);
    }
    return std::ferror(stream) ? FALSE : TRUE;
}

BOOL CloseHandle(HANDLE object) { return std::fclose(static_cast<FILE *>(object)) == 0; }

DWORD GetFileAttributesA(LPCSTR fileName) {
    struct stat status {};
    if (fileName == nullptr || stat(PosixPath(fileName).c_str(), &status) != 0) {
        return INVALID_FILE_ATTRIBUTES;
    }
    return S_ISDIR(status.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}
