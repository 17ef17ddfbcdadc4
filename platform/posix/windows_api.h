#pragma once
// The part of the Windows API that the core uses, declared for the POSIX stand-ins.
#include <cstdint>

using BYTE = unsigned char;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using BOOL = int;
using LPCSTR = const char *;
using LPSTR = char *;
using HINSTANCE = void *;
using HMODULE = void *;
using HWND = void *;
using FARPROC = void (*)();

#define WINAPI

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
constexpr UINT CP_ACP = 0;
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

// The process environment. The value and its NUL when they fit, giving the value's length;
// otherwise the size it needs, NUL included; 0 when the variable is not set.
DWORD GetEnvironmentVariableA(LPCSTR name, LPSTR buffer, DWORD size);

// Message boxes in the terminal.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
