#include "platform/message_box.h"

#include <windows.h>

#include "platform/window_state.h"

namespace platform {

namespace {

// The first top-level window made while an unowned box is being shown: the box.
HWND UnownedBox = nullptr;

// The main window stays above all others, so an unowned box would open under
// it, out of reach. MB_TOPMOST is not enough: Wine ignores it.
LRESULT CALLBACK RaiseUnownedBox(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && !UnownedBox &&
        !(reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->style & WS_CHILD))
        UnownedBox = window;
    if (code == HCBT_ACTIVATE && window == UnownedBox)
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

int ShowMessage(const std::string& title, const std::string& text, unsigned style) {
    if (HWND owner = window_state::ProgramForegroundWindow())
        return MessageBoxA(owner, text.c_str(), title.c_str(), style);
    // Without an owner, task-modal still disables every window of the program.
    UnownedBox = nullptr;
    HHOOK hook = SetWindowsHookExA(WH_CBT, RaiseUnownedBox, nullptr, GetCurrentThreadId());
    int answer = MessageBoxA(nullptr, text.c_str(), title.c_str(), style | MB_TASKMODAL);
    if (hook) UnhookWindowsHookEx(hook);
    return answer;
}

} // namespace platform
