#include "platform/message_box.h"

#include <windows.h>

#include "platform/private/window_layer.h"

namespace platform {

namespace {

// The main window stays above all others, so a box without owner would open
// under it, out of reach; MB_TOPMOST is not enough, as Wine ignores it. While
// such a box is shown, the window activated is the box.
LRESULT CALLBACK RaiseActivatedWindow(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE)
        SetWindowPos(reinterpret_cast<HWND>(wParam), HWND_TOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

int ShowMessage(const std::string& title, const std::string& text, unsigned style) {
    if (HWND owner = window_layer::ProgramForegroundWindow())
        return MessageBoxA(owner, text.c_str(), title.c_str(), style);
    // Without an owner, task-modal still disables every window of the program.
    HHOOK hook = SetWindowsHookExA(WH_CBT, RaiseActivatedWindow, nullptr, GetCurrentThreadId());
    int answer = MessageBoxA(nullptr, text.c_str(), title.c_str(), style | MB_TASKMODAL);
    if (hook) UnhookWindowsHookEx(hook);
    return answer;
}

} // namespace platform
