// Keyboard input, posted into the program's own message loop, so that its
// accelerators and IsDialogMessage see it as they would see typing.
#include "tests/e2e/ui_driver.h"

namespace ui {

HWND FocusedWindow(const App& app) {
    if (!app.window) return nullptr;
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(app.window, nullptr), &thread)) return nullptr;
    return thread.hwndFocus;
}

testing::AssertionResult TypeText(const App& app, HWND window, const std::string& text) {
    for (wchar_t character : Utf16FromCp1252(text))
        if (!PostMessageW(window, WM_CHAR, character, 1))
            return testing::AssertionFailure()
                   << "cannot post characters to window " << window << ": error " << GetLastError();
    return Settle(app);
}

static LPARAM KeyFlags(UINT virtualKey, bool release) {
    LPARAM flags = 1 | (MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC) << 16);
    if (release) flags |= 3u << 30; // previously down, now going up
    return flags;
}

static void MarkDown(BYTE* keys, int modifiers) {
    if (modifiers & kShift) keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
    if (modifiers & kControl) keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
}

// Posted key messages do not change the key state that GetKeyState reports,
// and IsDialogMessage asks GetKeyState(VK_SHIFT) which way Tab goes. So the
// modifiers are set in the key state that this thread shares with the
// program's while attached to it, and kept until the program has handled the
// key. (SendInput and keybd_event work too, but go to the foreground window
// as hardware input, which the program takes only after all posted messages,
// so typed characters could overtake them.)
testing::AssertionResult PressKey(const App& app, UINT virtualKey, int modifiers) {
    HWND target = FocusedWindow(app);
    if (!target) return testing::AssertionFailure() << "no window of the program has the focus";
    DWORD ourThread = GetCurrentThreadId();
    DWORD programThread = GetWindowThreadProcessId(target, nullptr);
    BYTE keysBefore[256] = {};
    if (modifiers) {
        if (!AttachThreadInput(ourThread, programThread, TRUE))
            return testing::AssertionFailure()
                   << "cannot share the program's key state: error " << GetLastError();
        GetKeyboardState(keysBefore);
        BYTE keys[256];
        memcpy(keys, keysBefore, sizeof keys);
        MarkDown(keys, modifiers);
        SetKeyboardState(keys);
    }
    PostMessageW(target, WM_KEYDOWN, virtualKey, KeyFlags(virtualKey, false));
    PostMessageW(target, WM_KEYUP, virtualKey, KeyFlags(virtualKey, true));
    testing::AssertionResult settled = Settle(app);
    if (modifiers) {
        SetKeyboardState(keysBefore);
        AttachThreadInput(ourThread, programThread, FALSE);
    }
    return settled;
}

} // namespace ui
