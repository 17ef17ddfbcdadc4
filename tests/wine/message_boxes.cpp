#include "message_boxes.h"

#include <windows.h>

#include <cstring>
#include <deque>

namespace {

HHOOK Hook = nullptr;
std::deque<int> Answers;
std::vector<ShownBox> Boxes;

// The static control that holds a message box's text.
constexpr int MessageTextId = 0xFFFF;

std::string WindowText(HWND window) {
    std::vector<char> text(1 << 16);
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::string MessageText(HWND box) {
    std::vector<char> text(1 << 16);
    GetDlgItemTextA(box, MessageTextId, text.data(), static_cast<int>(text.size()));
    return text.data();
}

bool IsMessageBox(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, "#32770") == 0;
}

// Records the box as it activates and posts the click that will close it.
LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        auto *box = reinterpret_cast<HWND>(wParam);
        if (IsMessageBox(box)) {
            Boxes.push_back({WindowText(box), MessageText(box)});
            int answer = IDOK;
            if (!Answers.empty()) {
                answer = Answers.front();
                Answers.pop_front();
            }
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
        }
    }
    return CallNextHookEx(Hook, code, wParam, lParam);
}

} // namespace

BoxAnswerer::BoxAnswerer(std::vector<int> answers) {
    Answers.assign(answers.begin(), answers.end());
    Boxes.clear();
    Hook = SetWindowsHookExA(WH_CBT, OnWindowEvent, nullptr, GetCurrentThreadId());
}

BoxAnswerer::~BoxAnswerer() {
    UnhookWindowsHookEx(Hook);
    Hook = nullptr;
}

const std::vector<ShownBox> &BoxAnswerer::Shown() const { return Boxes; }
