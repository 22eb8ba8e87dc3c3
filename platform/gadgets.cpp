#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <map>

#include "platform/gadgets.h"
#include "platform/private/window_layer.h"

namespace platform {

namespace {

constexpr char kPageClass[] = "FestmelderPage";

std::map<int, HWND> Gadgets;
std::map<int, HFONT> Fonts;
std::vector<HWND> Pages;
HWND Panel = nullptr;

HFONT DefaultFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

// A page passes its gadgets' notifications on to the main window.
LRESULT CALLBACK PageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND || message == WM_NOTIFY)
        return SendMessageA(window_layer::MainWindow, message, wParam, lParam);
    return DefWindowProcA(page, message, wParam, lParam);
}

void RegisterPageClass(HINSTANCE instance) {
    WNDCLASSA pageClass = {};
    pageClass.lpfnWndProc = PageProcedure;
    pageClass.hInstance = instance;
    pageClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    pageClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    pageClass.lpszClassName = kPageClass;
    RegisterClassA(&pageClass);
}

// The part of the panel below its tab row, in the main window's coordinates.
RECT PageArea() {
    RECT area;
    GetClientRect(Panel, &area);
    TabCtrl_AdjustRect(Panel, FALSE, &area);
    MapWindowPoints(Panel, window_layer::MainWindow, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

// Captions padded with blanks can be a little too wide for the tab row in
// some fonts; narrower margins than the usual 6 pixels then spare the row its
// scroll arrows.
void FitTabsIntoTheRow(const std::vector<std::string>& captions, int rowWidth) {
    HDC context = GetDC(Panel);
    HGDIOBJ previous = SelectObject(context, DefaultFont());
    int textWidth = 0;
    for (const std::string& caption : captions) {
        SIZE size = {};
        GetTextExtentPoint32A(context, caption.data(), static_cast<int>(caption.size()), &size);
        textWidth += size.cx;
    }
    SelectObject(context, previous);
    ReleaseDC(Panel, context);
    constexpr int kUsualMargin = 6, kRowEnds = 4;
    int tabs = static_cast<int>(captions.size());
    int margin = std::clamp((rowWidth - kRowEnds - textWidth) / (2 * tabs), 1, kUsualMargin);
    TabCtrl_SetPadding(Panel, margin, 3);
}

struct GadgetStyle {
    const char* WindowClass;
    DWORD Style;
    DWORD ExtendedStyle;
};

GadgetStyle StyleOf(GadgetKind kind) {
    constexpr DWORD field = WS_TABSTOP | ES_AUTOHSCROLL | ES_NOHIDESEL;
    switch (kind) {
    case GadgetKind::ListBox:
        return {"LISTBOX", WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                WS_EX_CLIENTEDGE};
    case GadgetKind::TextField:
        return {"EDIT", field, WS_EX_CLIENTEDGE};
    case GadgetKind::DigitField:
        return {"EDIT", field | ES_NUMBER | ES_CENTER, WS_EX_CLIENTEDGE};
    case GadgetKind::DefaultButton:
        return {"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 0};
    case GadgetKind::CentredLabel:
        return {"STATIC", SS_CENTER, 0};
    case GadgetKind::Label:
        break;
    }
    return {"STATIC", SS_LEFT, 0};
}

// The width in pixels of the widest line in the list's font.
int WidestLine(HWND list, const std::vector<std::string>& lines) {
    HDC context = GetDC(list);
    HGDIOBJ previous =
        SelectObject(context, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    for (const std::string& line : lines) {
        SIZE size;
        if (GetTextExtentPoint32A(context, line.data(), static_cast<int>(line.size()), &size))
            widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(context, previous);
    ReleaseDC(list, context);
    return widest;
}

// How far the horizontal scroll bar reaches: as far as the widest line, or
// nowhere when every line fits even beside a vertical scroll bar. Under Wine
// a width given while the list's drawing is off shows the bar until drawing
// resumes, and each showing and hiding repaints the list's frame at once:
// at start-up, two needless repaints of the report.
int HorizontalExtent(HWND list, const std::vector<std::string>& lines) {
    int extent = WidestLine(list, lines) + 4;
    RECT client;
    GetClientRect(list, &client);
    return extent <= client.right - GetSystemMetrics(SM_CXVSCROLL) ? 0 : extent;
}

} // namespace

HWND window_layer::Gadget(int gadget) {
    auto found = Gadgets.find(gadget);
    return found == Gadgets.end() ? nullptr : found->second;
}

void window_layer::RememberGadget(int gadget, HWND window) { Gadgets[gadget] = window; }

int window_layer::GadgetNumberOf(HWND window) {
    for (const auto& [gadget, gadgetWindow] : Gadgets)
        if (gadgetWindow == window) return gadget;
    return -1;
}

void window_layer::ShowCurrentPage(HWND panel) {
    int shown = TabCtrl_GetCurSel(panel);
    for (int page = 0; page < static_cast<int>(Pages.size()); page++)
        ShowWindow(Pages[page], page == shown ? SW_SHOW : SW_HIDE);
}

int CreateFixedFont(int font, const std::string& face, int points) {
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    // The pitch is asked for too, so that a system without this face
    // still gives a fixed-pitch one and the list columns stay aligned.
    HFONT created = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                FIXED_PITCH | FF_MODERN, face.c_str());
    if (!created) return 0;
    Fonts[font] = created;
    return 1;
}

void ReleaseFonts() {
    for (const auto& entry : Fonts) DeleteObject(entry.second);
    Fonts.clear();
}

int CreatePanel(int gadget, const std::vector<std::string>& captions) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RECT client;
    GetClientRect(window_layer::MainWindow, &client);
    RECT toolbar = {};
    if (window_layer::Toolbar) GetWindowRect(window_layer::Toolbar, &toolbar);
    int top = toolbar.bottom - toolbar.top;
    Panel =
        CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
                        0, top, client.right, client.bottom - top, window_layer::MainWindow,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(gadget)), instance, nullptr);
    if (!Panel) return 0;
    window_layer::RememberGadget(gadget, Panel);
    SendMessageA(Panel, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), FALSE);
    FitTabsIntoTheRow(captions, client.right);
    for (const std::string& caption : captions) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(caption.c_str());
        SendMessageA(Panel, TCM_INSERTITEMA, Pages.size(), reinterpret_cast<LPARAM>(&item));
        Pages.push_back(nullptr);
    }
    RegisterPageClass(instance);
    RECT area = PageArea();
    for (HWND& page : Pages) {
        page = CreateWindowExA(WS_EX_CONTROLPARENT, kPageClass, "",
                               WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, area.left, area.top,
                               area.right - area.left, area.bottom - area.top,
                               window_layer::MainWindow, nullptr, instance, nullptr);
        if (!page) return 0;
        // Above the panel, so that the panel never paints over it; as the
        // focus order is a cycle, the tab row still comes right before the
        // shown page's first gadget.
        SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    window_layer::ShowCurrentPage(Panel);
    return 1;
}

int CreateGadget(int gadget, int page, GadgetKind kind, int x, int y, int width, int height,
                 const std::string& text) {
    if (page < 0 || page >= static_cast<int>(Pages.size())) return 0;
    RECT area;
    GetClientRect(Pages[page], &area);
    if (width == kToPageEdge) width = area.right - x;
    if (height == kToPageEdge) height = area.bottom - y;
    GadgetStyle style = StyleOf(kind);
    HWND window = CreateWindowExA(
        style.ExtendedStyle, style.WindowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style.Style,
        x, y, width, height, Pages[page], reinterpret_cast<HMENU>(static_cast<INT_PTR>(gadget)),
        GetModuleHandleA(nullptr), nullptr);
    if (!window) return 0;
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(DefaultFont()), FALSE);
    window_layer::RememberGadget(gadget, window);
    return 1;
}

void SetGadgetFont(int gadget, int font) {
    auto found = Fonts.find(font);
    if (found != Fonts.end())
        SendMessageA(window_layer::Gadget(gadget), WM_SETFONT,
                     reinterpret_cast<WPARAM>(found->second), TRUE);
}

void LimitText(int gadget, int characters) {
    SendMessageA(window_layer::Gadget(gadget), EM_LIMITTEXT, characters, 0);
}

std::string GadgetText(int gadget) {
    HWND window = window_layer::Gadget(gadget);
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void SetGadgetText(int gadget, const std::string& text) {
    SetWindowTextA(window_layer::Gadget(gadget), text.c_str());
}

void FocusGadget(int gadget) { SetFocus(window_layer::Gadget(gadget)); }

void SelectText(int gadget, int start, int end) {
    SendMessageA(window_layer::Gadget(gadget), EM_SETSEL, start, end);
}

void SetListLines(int gadget, const std::vector<std::string>& lines) {
    HWND list = window_layer::Gadget(gadget);
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : lines)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    SendMessageA(list, LB_SETHORIZONTALEXTENT, HorizontalExtent(list, lines), 0);
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void RemoveListLine(int gadget, int index) {
    SendMessageA(window_layer::Gadget(gadget), LB_DELETESTRING, index, 0);
}

int ListSelection(int gadget) {
    return static_cast<int>(SendMessageA(window_layer::Gadget(gadget), LB_GETCURSEL, 0, 0));
}

int CurrentTab(int gadget) {
    return static_cast<int>(SendMessageA(window_layer::Gadget(gadget), TCM_GETCURSEL, 0, 0));
}

void ShowTab(int gadget, int tab) {
    HWND panel = window_layer::Gadget(gadget);
    SendMessageA(panel, TCM_SETCURSEL, tab, 0);
    window_layer::ShowCurrentPage(panel);
}

} // namespace platform
