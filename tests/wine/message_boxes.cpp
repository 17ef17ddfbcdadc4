#include "message_boxes.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <deque>

namespace {

HHOOK Hook = nullptr;
std::deque<int> Answers;
std::vector<ShownBox> Boxes;
std::function<void()> WorkWhileOpen;
// Boxes seen and not yet destroyed: a box activates again when a box opened over it closes.
std::vector<HWND> OpenBoxes;

// A window of the test host's own, whose messages the box's modal loop dispatches.
HWND WorkWindow = nullptr;
constexpr UINT RunWork = WM_APP;

void Click(HWND box, int answer) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, answer)));
}

// Runs the work while the box (wParam) is open, then answers it (lParam).
LRESULT CALLBACK OnWorkMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != RunWork) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    const std::function<void()> work = std::move(WorkWhileOpen);
    WorkWhileOpen = nullptr;
    if (work) {
        work();
    }
    Click(reinterpret_cast<HWND>(wParam), static_cast<int>(lParam));
    return 0;
}

HWND MakeWorkWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = OnWorkMessage;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "DovrinkTestHostWork";
    RegisterClassA(&windowClass);
    return CreateWindowA(windowClass.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                         windowClass.hInstance, nullptr);
}

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

// Records the box's caption and text when it first activates, and answers it: at once, or after
// the work a test asked for while it is open.
void Answer(HWND box) {
    Boxes.push_back({WindowText(box), MessageText(box)});
    OpenBoxes.push_back(box);
    int answer = IDOK;
    if (!Answers.empty()) {
        answer = Answers.front();
        Answers.pop_front();
    }
    if (WorkWhileOpen) {
        PostMessageA(WorkWindow, RunWork, reinterpret_cast<WPARAM>(box), answer);
    } else {
        Click(box, answer);
    }
}

LRESULT CALLBACK OnWindowEvent(int code, WPARAM wParam, LPARAM lParam) {
    auto *window = reinterpret_cast<HWND>(wParam);
    const auto open = std::find(OpenBoxes.begin(), OpenBoxes.end(), window);
    if (code == HCBT_ACTIVATE && open == OpenBoxes.end() && IsMessageBox(window)) {
        Answer(window);
    } else if (code == HCBT_DESTROYWND && open != OpenBoxes.end()) {
        OpenBoxes.erase(open);
    }
    return CallNextHookEx(Hook, code, wParam, lParam);
}

} // namespace

BoxAnswerer::BoxAnswerer(std::vector<int> answers) {
    Answers.assign(answers.begin(), answers.end());
    Boxes.clear();
    OpenBoxes.clear();
    Hook = SetWindowsHookExA(WH_CBT, OnWindowEvent, nullptr, GetCurrentThreadId());
}

BoxAnswerer::~BoxAnswerer() {
    UnhookWindowsHookEx(Hook);
    Hook = nullptr;
    WorkWhileOpen = nullptr;
}

void WhileNextBoxIsOpen(std::function<void()> work) {
    if (WorkWindow == nullptr) {
        WorkWindow = MakeWorkWindow();
    }
    WorkWhileOpen = std::move(work);
}

const std::vector<ShownBox> &BoxAnswerer::Shown() const { return Boxes; }
