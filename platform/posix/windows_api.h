#pragma once
// The part of the Windows API that the core uses, declared for the POSIX stand-ins.
#include <cstdint>

using BYTE = unsigned char;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using BOOL = int;
using LPCSTR = const char *;
using LPSTR = char *;
using WCHAR = char16_t;
using HANDLE = void *;
using HINSTANCE = void *;
using HMODULE = void *;
using HWND = void *;
using FARPROC = void (*)();

#define WINAPI

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
constexpr UINT CP_ACP = 0;
constexpr UINT CP_UTF8 = 65001;
constexpr DWORD MB_ERR_INVALID_CHARS = 0x8;
constexpr DWORD WC_NO_BEST_FIT_CHARS = 0x400;
constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD FILE_SHARE_WRITE = 0x2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
inline HANDLE const INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(-1);
constexpr int MAX_LEADBYTES = 12;
constexpr int MAX_DEFAULTCHAR = 2;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

struct CPINFO {
    UINT MaxCharSize;
    BYTE DefaultChar[MAX_DEFAULTCHAR];
    BYTE LeadByte[MAX_LEADBYTES];
};

// Modules: the main program and loaded libraries, looked up through the dynamic linker.
HMODULE GetModuleHandleA(LPCSTR moduleName);
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);
DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);

// The library's string table.
int LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax);

// Settings files with Windows' reading rules; paths use backslashes.
DWORD GetPrivateProfileStringA(LPCSTR appName, LPCSTR keyName, LPCSTR fallback, LPSTR returned,
                               DWORD size, LPCSTR fileName);
UINT GetPrivateProfileIntA(LPCSTR appName, LPCSTR keyName, int fallback, LPCSTR fileName);

// The process's ANSI code page, chosen by the environment (see code_page.h).
UINT GetACP();
BOOL GetCPInfo(UINT codePage, CPINFO *info);

// Text between a code page (CP_ACP, CP_UTF8 or a number) and UTF-16, with Windows' rules for what
// a code page cannot read or hold. No best-fit substitutes: a character the code page lacks is
// always the default character.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int length, WCHAR *wide,
                        int wideLength);
int WideCharToMultiByte(UINT codePage, DWORD flags, const WCHAR *wide, int wideLength, LPSTR text,
                        int length, LPCSTR defaultChar, BOOL *usedDefaultChar);

// Files, opened for reading only; paths use backslashes.
HANDLE CreateFileA(LPCSTR fileName, DWORD access, DWORD shareMode, void *security,
                   DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);
BOOL ReadFile(HANDLE file, void *buffer, DWORD toRead, DWORD *read, void *overlapped);
BOOL CloseHandle(HANDLE object);
// Only whether the path is there, and whether it is a folder.
DWORD GetFileAttributesA(LPCSTR fileName);

// The process environment. The value and its NUL when they fit, giving the value's length;
// otherwise the size it needs, NUL included; 0 when the variable is not set.
DWORD GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size);

// Message boxes in the terminal.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
