// A stand-in for Festmelder.exe with the same windows, control ids and
// keyboard handling, so that the UI driver can be proven apart from the real
// program. Each input leaves a trace the driver's self-test can read back:
// the report list shows the lines of Festmelder.dat, the labels tell what was
// selected, clicked or answered, and Return files the name in the register.
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <fstream>
#include <string>

namespace {

enum Gadget {
    ReportList = 1,
    NameEdit = 2,
    DayEdit = 3,
    MonthEdit = 4,
    YearEdit = 5,
    SaveButton = 6,
    SelectionLabel = 7,
    ButtonLabel = 8,
    CommandLabel = 9,
    AnswerLabel = 10,
    RegisterList = 11,
};

constexpr int kReturnCommand = 900; // not 0: Wine swallows accelerator command 0
constexpr int kInfoCommand = 5;
constexpr int kDisabledCommand = 3;

HWND MainWindow, Tabs;
HWND Pages[2];
int CurrentPage = 0;

HWND GadgetWindow(int gadget) {
    HWND found = GetDlgItem(Pages[0], gadget);
    return found ? found : GetDlgItem(Pages[1], gadget);
}

std::string WindowText(HWND window) {
    char text[256] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

void SetLabel(int gadget, const std::string& text) {
    SetWindowTextA(GadgetWindow(gadget), text.c_str());
}

// The message box as Festmelder shows it: owned by the main window only when
// that is in front, else task-modal.
void ShowInfo() {
    HWND owner = GetForegroundWindow() == MainWindow ? MainWindow : nullptr;
    UINT style = MB_OKCANCEL | MB_ICONINFORMATION | (owner ? 0 : MB_TASKMODAL);
    int answer =
        MessageBoxA(owner, "Festmelder-Attrappe\r\nF\xFCr den Treiber", "Festmelder", style);
    SetLabel(AnswerLabel, "Antwort " + std::to_string(answer));
}

void FileNameInRegister() {
    std::string name = WindowText(GadgetWindow(NameEdit));
    SendMessageA(GadgetWindow(RegisterList), LB_ADDSTRING, 0, (LPARAM)name.c_str());
}

void ShowSelectedReportLine() {
    HWND list = GadgetWindow(ReportList);
    char line[256] = "";
    SendMessageA(list, LB_GETTEXT, SendMessageA(list, LB_GETCURSEL, 0, 0), (LPARAM)line);
    SetLabel(SelectionLabel, line);
}

// Toolbar buttons and the Return key reach the main window.
void OnCommand(int id) {
    if (id == kReturnCommand) return FileNameInRegister();
    if (id == kInfoCommand) return ShowInfo();
    SetLabel(CommandLabel, "Befehl " + std::to_string(id));
}

// Gadgets notify their page.
void OnGadget(int gadget, int code) {
    if (gadget == ReportList && code == LBN_SELCHANGE) ShowSelectedReportLine();
    if (gadget == SaveButton && code == BN_CLICKED) SetLabel(ButtonLabel, "Geklickt");
}

void ShowPage(int page) {
    CurrentPage = page;
    ShowWindow(Pages[page], SW_SHOW);
    ShowWindow(Pages[1 - page], SW_HIDE);
    SetFocus(GadgetWindow(page == 0 ? ReportList : NameEdit));
}

LRESULT CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) OnGadget(LOWORD(wParam), HIWORD(wParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_NOTIFY:
        if (((NMHDR*)lParam)->code == TCN_SELCHANGE) ShowPage(TabCtrl_GetCurSel(Tabs));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND AddGadget(HWND page, const char* className, int gadget, DWORD style, int x, int y, int width,
               int height, const char* text = "") {
    DWORD exStyle = strcmp(className, "STATIC") ? WS_EX_CLIENTEDGE : 0;
    HWND window = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y,
                                  width, height, page, (HMENU)(INT_PTR)gadget, nullptr, nullptr);
    SendMessageA(window, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), 0);
    return window;
}

void CreateToolbar() {
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT,
                                   0, 0, 0, 0, MainWindow, nullptr, nullptr, nullptr);
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    TBADDBITMAP bitmaps = {HINST_COMMCTRL, IDB_STD_SMALL_COLOR};
    SendMessageA(toolbar, TB_ADDBITMAP, 0, (LPARAM)&bitmaps);
    TBBUTTON buttons[7] = {};
    for (int i = 0; i < 7; ++i) {
        buttons[i].iBitmap = STD_FILENEW + i;
        buttons[i].idCommand = i + 1;
        buttons[i].fsState = i + 1 == kDisabledCommand ? 0 : TBSTATE_ENABLED;
    }
    SendMessageA(toolbar, TB_ADDBUTTONS, 7, (LPARAM)buttons);
    SendMessageA(toolbar, TB_AUTOSIZE, 0, 0);
}

void CreatePages() {
    Tabs = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 8, 36,
                           400, 260, MainWindow, (HMENU)0, nullptr, nullptr);
    SendMessageA(Tabs, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), 0);
    const char* titles[2] = {"Heute", "Register"};
    for (int i = 0; i < 2; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = (char*)titles[i];
        SendMessageA(Tabs, TCM_INSERTITEMA, i, (LPARAM)&item);
    }
    RECT area = {8, 36, 408, 296};
    TabCtrl_AdjustRect(Tabs, FALSE, &area);
    for (int i = 0; i < 2; ++i)
        Pages[i] = CreateWindowExA(WS_EX_CONTROLPARENT, "StubPage", "", WS_CHILD, area.left,
                                   area.top, area.right - area.left, area.bottom - area.top,
                                   MainWindow, (HMENU)(INT_PTR)(100 + i), nullptr, nullptr);
    SetWindowPos(Tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

    AddGadget(Pages[0], "LISTBOX", ReportList, WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, 4, 4, 370,
              200);
    const int editX[4] = {4, 160, 200, 240}, editWidth[4] = {150, 34, 34, 50};
    for (int i = 0; i < 4; ++i)
        AddGadget(Pages[1], "EDIT", NameEdit + i, WS_TABSTOP | ES_AUTOHSCROLL, editX[i], 20,
                  editWidth[i], 22);
    AddGadget(Pages[1], "BUTTON", SaveButton, WS_TABSTOP | BS_PUSHBUTTON, 300, 20, 76, 22, "&OK");
    for (int i = 0; i < 4; ++i)
        AddGadget(Pages[1], "STATIC", SelectionLabel + i, 0, 4 + 94 * i, 2, 90, 16);
    AddGadget(Pages[1], "LISTBOX", RegisterList, WS_TABSTOP | WS_VSCROLL, 4, 50, 370, 150);
}

void LoadReportLines() {
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    std::ifstream data(path.substr(0, path.rfind('\\') + 1) + "Festmelder.dat", std::ios::binary);
    for (std::string line; std::getline(data, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        SendMessageA(GadgetWindow(ReportList), LB_ADDSTRING, 0, (LPARAM)line.c_str());
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSA mainClass = {};
    mainClass.lpfnWndProc = MainProc;
    mainClass.hInstance = instance;
    mainClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    mainClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    mainClass.lpszClassName = "StubMain";
    RegisterClassA(&mainClass);
    WNDCLASSA pageClass = mainClass;
    pageClass.lpfnWndProc = PageProc;
    pageClass.lpszClassName = "StubPage";
    RegisterClassA(&pageClass);

    MainWindow = CreateWindowExA(WS_EX_TOPMOST, "StubMain", "Festmelder",
                                 WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 40, 40,
                                 430, 340, nullptr, nullptr, instance, nullptr);
    CreateToolbar();
    CreatePages();
    LoadReportLines();
    ShowWindow(MainWindow, SW_SHOW);
    ShowPage(0);

    ACCEL returnKey = {FVIRTKEY, VK_RETURN, kReturnCommand};
    HACCEL accelerators = CreateAcceleratorTableA(&returnKey, 1);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(MainWindow, accelerators, &message)) continue;
        if (IsDialogMessageA(Pages[CurrentPage], &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return (int)message.wParam;
}
