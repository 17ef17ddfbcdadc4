#include "check/text_file_win32.h"

#include <algorithm>

#include "platform/windows_api.h"

FileRead ReadTextFile(const wchar_t *path, std::string &bytes) {
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return FileRead::Unreadable;
    }
    LARGE_INTEGER size;
    FileRead result = FileRead::Unreadable;
    if (GetFileSizeEx(file, &size) == FALSE) {
        result = FileRead::Unreadable;
    } else if (static_cast<unsigned long long>(size.QuadPart) > LargestTextFile) {
        result = FileRead::TooLarge;
    } else {
        bytes.assign(static_cast<size_t>(size.QuadPart), '\0');
        DWORD got = 0;
        const bool read =
            bytes.empty() ||
            ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &got, nullptr) != FALSE;
        bytes.resize(got);
        result = read ? FileRead::Read : FileRead::Unreadable;
    }
    CloseHandle(file);
    return result;
}

bool FilesInFolder(const std::wstring &folder, std::vector<std::wstring> &files) {
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return false;
    }
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                files.push_back(folder + L"\\" + found.cFileName);
            }
        } while (FindNextFileW(search, &found) != FALSE);
        FindClose(search);
    }
    std::sort(files.begin(), files.end());
    return true;
}
