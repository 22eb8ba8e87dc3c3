#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <deque>

#include "platform/main_window.h"
#include "platform/private/window_layer.h"

namespace platform {

namespace window_layer {
HWND MainWindow = nullptr;
}

namespace {

using window_layer::MainWindow;

// The accelerator's own id: Wine swallows an accelerator with id 0.
constexpr WORD kReturnAccelerator = 900;
constexpr char kWindowClass[] = "Festmelder";

HACCEL Shortcuts = nullptr;
std::deque<WindowEvent> Events;
// The gadget that had the focus when the window was last deactivated.
HWND LastFocus = nullptr;
int (*MayEndSession)() = nullptr;
void (*SessionEnds)(int ending) = nullptr;

GadgetEventType EditEventType(WORD code) {
    if (code == EN_SETFOCUS) return GadgetEventType::FocusGained;
    if (code == EN_KILLFOCUS) return GadgetEventType::FocusLost;
    return GadgetEventType::Other;
}

// Which notifications of a gadget are events of the program.
bool IsReported(const char* windowClass, WORD code) {
    if (lstrcmpiA(windowClass, "Edit") == 0)
        return code == EN_SETFOCUS || code == EN_KILLFOCUS || code == EN_CHANGE;
    if (lstrcmpiA(windowClass, "ListBox") == 0) return code == LBN_SELCHANGE || code == LBN_DBLCLK;
    if (lstrcmpiA(windowClass, "Button") == 0) return code == BN_CLICKED;
    return false;
}

void OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND source = reinterpret_cast<HWND>(lParam);
    WORD id = LOWORD(wParam), code = HIWORD(wParam);
    if (!source && code == 1 && id == kReturnAccelerator)
        window_layer::QueueEvent({EventKind::Command, 0, GadgetEventType::Other});
    else if (source && source == window_layer::Toolbar)
        window_layer::QueueEvent({EventKind::Command, id, GadgetEventType::Other});
    else if (int gadget = window_layer::GadgetNumberOf(source); gadget >= 0) {
        char windowClass[16] = "";
        GetClassNameA(source, windowClass, sizeof windowClass);
        if (IsReported(windowClass, code))
            window_layer::QueueEvent({EventKind::Gadget, gadget, EditEventType(code)});
    }
}

LRESULT OnNotify(const NMHDR* header) {
    LRESULT result = 0;
    if (window_layer::HandleToolbarNotification(header, result)) return result;
    int gadget = window_layer::GadgetNumberOf(header->hwndFrom);
    if (gadget < 0) return 0;
    if (header->code == TCN_SELCHANGE) window_layer::ShowCurrentPage(header->hwndFrom);
    if (header->code == TCN_SELCHANGE || header->code == NM_CLICK)
        window_layer::QueueEvent({EventKind::Gadget, gadget, GadgetEventType::Other});
    return 0;
}

// Keeps the focus on the gadget that had it when the user comes back.
bool OnActivate(HWND window, WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window, focus)) LastFocus = focus;
        return false;
    }
    if (!LastFocus || !IsWindow(LastFocus)) return false;
    SetFocus(LastFocus);
    return true;
}

LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<const NMHDR*>(lParam));
    case WM_CLOSE: // a request only: the program decides whether to end
        window_layer::QueueEvent({EventKind::Close, 0, GadgetEventType::Other});
        return 0;
    case WM_QUERYENDSESSION:
        return !MayEndSession || MayEndSession() ? TRUE : FALSE;
    case WM_ENDSESSION:
        if (SessionEnds) SessionEnds(wParam ? 1 : 0);
        return 0;
    case WM_ACTIVATE:
        if (OnActivate(window, wParam)) return 0;
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

void window_layer::QueueEvent(const WindowEvent& event) { Events.push_back(event); }

HWND window_layer::ProgramForegroundWindow() {
    HWND window = GetForegroundWindow();
    DWORD process = 0;
    if (window) GetWindowThreadProcessId(window, &process);
    return process == GetCurrentProcessId() ? window : nullptr;
}

void InitialiseFacilities() {
    INITCOMMONCONTROLSEX controls = {sizeof controls,
                                     ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CoInitialize(nullptr);
}

void ReleaseFacilities() { CoUninitialize(); }

int OpenMainWindow(const std::string& title, int clientWidth, int clientHeight) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainWindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExA(&windowClass);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT frame = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    int width = std::min(static_cast<int>(frame.right - frame.left), screenWidth);
    int height = std::min(static_cast<int>(frame.bottom - frame.top), screenHeight);
    MainWindow = CreateWindowExA(0, kWindowClass, title.c_str(), style, (screenWidth - width) / 2,
                                 (screenHeight - height) / 2, width, height, nullptr, nullptr,
                                 instance, nullptr);
    if (!MainWindow) return 0;
    ShowWindow(MainWindow, SW_SHOWNORMAL);
    SetWindowPos(MainWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return 1;
}

void AddReturnShortcut() {
    ACCEL returnKey = {FVIRTKEY, VK_RETURN, kReturnAccelerator};
    Shortcuts = CreateAcceleratorTableA(&returnKey, 1);
}

void CloseMainWindow() {
    if (MainWindow) DestroyWindow(MainWindow);
    if (Shortcuts) DestroyAcceleratorTable(Shortcuts);
    MainWindow = nullptr;
    Shortcuts = nullptr;
}

void HandleSessionEnd(int (*mayEnd)(), void (*ends)(int ending)) {
    MayEndSession = mayEnd;
    SessionEnds = ends;
}

WindowEvent WaitWindowEvent() {
    MSG message;
    while (Events.empty()) {
        // No more messages means the system wants the program to end.
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) return {EventKind::Close, 0, {}};
        if (Shortcuts && TranslateAcceleratorA(MainWindow, Shortcuts, &message)) continue;
        if (IsDialogMessageA(MainWindow, &message)) continue; // Tab and Shift+Tab
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    WindowEvent event = Events.front();
    Events.pop_front();
    return event;
}

} // namespace platform
