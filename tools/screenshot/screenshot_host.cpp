// A Windows host for one picture: loads dovrink.dll from its own folder, shows it the saved body
// given on the command line, and saves the first message box the plugin opens as a 24-bit BMP
// file before answering it with Cancel.
// usage: screenshot_host.exe BODY_FILE PICTURE.bmp
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "mail_client.h"
#include "test_host.h"

namespace {

HHOOK Hook = nullptr;
HWND Box = nullptr;
std::string PicturePath;
bool Saved = false;

// The window as the screen shows it, bottom row first, as BMP files keep it.
bool SaveWindow(HWND window, const std::string &path) {
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<size_t>(stride) * static_cast<size_t>(height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
              reinterpret_cast<BITMAPINFO *>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char *>(&file), sizeof file);
    out.write(reinterpret_cast<const char *>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

// Once the box has been drawn: the picture, then Cancel, which ends the showing.
void CALLBACK OnDrawn(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    Saved = SaveWindow(Box, PicturePath);
    PostMessageA(Box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(Box, IDCANCEL)));
}

bool IsMessageBox(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return std::string(className) == "#32770";
}

LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam) {
    auto *window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && Box == nullptr && IsMessageBox(window)) {
        Box = window;
        SetTimer(nullptr, 0, 800, OnDrawn);
    }
    return CallNextHookEx(Hook, code, wParam, lParam);
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshot_host BODY_FILE PICTURE.bmp\n");
        return 2;
    }
    SetMessageOnView(ReadBodyFile(argv[1]));
    PicturePath = argv[2];

    ClientPlugin plugin;
    if (!LoadClientPlugin("dovrink.dll", plugin) || plugin.Init() == 0) {
        std::fprintf(stderr, "screenshot_host: dovrink.dll did not load or initialise\n");
        return 1;
    }
    Hook = SetWindowsHookExA(WH_CBT, OnWindowEvent, nullptr, GetCurrentThreadId());
    plugin.OnUpdateView();
    UnhookWindowsHookEx(Hook);
    if (!Saved) {
        std::fprintf(stderr, "screenshot_host: the plugin showed no box\n");
        return 1;
    }
    return 0;
}
