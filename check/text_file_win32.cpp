#include "check/text_file_win32.h"

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
