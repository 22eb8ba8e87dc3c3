// Finding the program's gadgets, reading and setting their texts, list
// selections, button clicks and tabs.
#include "tests/e2e/ui_driver.h"

#include <commctrl.h>

#include <ostream>

#include "tests/e2e/ui_remote_buffer.h"

namespace ui {

std::string Cp1252FromUtf16(const std::wstring& text) {
    if (text.empty()) return "";
    int length = WideCharToMultiByte(1252, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                     0, nullptr, nullptr);
    std::string converted(length, '\0');
    WideCharToMultiByte(1252, 0, text.data(), static_cast<int>(text.size()), &converted[0], length,
                        nullptr, nullptr);
    return converted;
}

std::wstring Utf16FromCp1252(const std::string& text) {
    if (text.empty()) return L"";
    int length =
        MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring converted(length, L'\0');
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), &converted[0], length);
    return converted;
}

std::string ClassName(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                            int timeoutMs) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                             timeoutMs, &result))
        return std::nullopt;
    return static_cast<LRESULT>(result);
}

// Common controls of version 6 may be registered as "6.0.2600.2982!Button".
bool HasClass(HWND window, const char* className) {
    std::string name = ClassName(window);
    name = name.substr(name.rfind('!') + 1);
    return _stricmp(name.c_str(), className) == 0;
}

struct ChildSearch {
    int controlId; // < 0: any
    const char* className;
    HWND found;
};

static BOOL CALLBACK LookAtChild(HWND window, LPARAM state) {
    auto* search = reinterpret_cast<ChildSearch*>(state);
    if (search->controlId >= 0 && GetDlgCtrlID(window) != search->controlId) return TRUE;
    if (search->className && !HasClass(window, search->className)) return TRUE;
    search->found = window;
    return FALSE;
}

// EnumChildWindows goes through grandchildren too.
HWND FindChild(HWND root, int controlId, const char* className) {
    ChildSearch search = {controlId, className, nullptr};
    if (root) EnumChildWindows(root, LookAtChild, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindChildByClass(HWND root, const char* className) { return FindChild(root, -1, className); }

static const char* ClassOfGadget(int gadget) {
    if (gadget == kReportList || gadget == kRegisterList) return "ListBox";
    if (gadget >= kNameEdit && gadget <= kYearEdit) return "Edit";
    if (gadget == kPushButton) return "Button";
    if (gadget >= kFirstLabel && gadget <= kLastLabel) return "Static";
    return nullptr;
}

HWND FindGadget(const App& app, int gadget) {
    return FindChild(app.window, gadget, ClassOfGadget(gadget));
}

HWND FindToolbar(const App& app) { return FindChildByClass(app.window, TOOLBARCLASSNAMEA); }

HWND FindTabControl(const App& app) { return FindChild(app.window, 0, WC_TABCONTROLA); }

std::string Text(HWND window) {
    std::optional<LRESULT> length = Send(window, WM_GETTEXTLENGTH);
    if (!length || *length <= 0) return "";
    std::wstring text(*length + 1, L'\0');
    std::optional<LRESULT> copied =
        Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied ? *copied : 0);
    return Cp1252FromUtf16(text);
}

testing::AssertionResult SetText(HWND window, const std::string& text) {
    std::wstring wide = Utf16FromCp1252(text);
    std::optional<LRESULT> set =
        Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    if (!set) return testing::AssertionFailure() << "the program did not answer WM_SETTEXT";
    if (!*set) return testing::AssertionFailure() << "WM_SETTEXT of \"" << text << "\" failed";
    return testing::AssertionSuccess();
}

// With SendMessageW: across processes, Wine answers LB_GETTEXT sent with
// SendMessageA in UTF-16.
std::vector<std::string> ListLines(HWND list) {
    std::vector<std::string> lines;
    LRESULT count = Send(list, LB_GETCOUNT).value_or(0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = Send(list, LB_GETTEXTLEN, i).value_or(LB_ERR);
        if (length == LB_ERR) break;
        std::wstring line(length + 1, L'\0');
        LRESULT copied =
            Send(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&line[0])).value_or(LB_ERR);
        line.resize(copied == LB_ERR ? 0 : copied);
        lines.push_back(Cp1252FromUtf16(line));
    }
    return lines;
}

int ListSelection(HWND list) { return static_cast<int>(Send(list, LB_GETCURSEL).value_or(LB_ERR)); }

testing::AssertionResult SelectListLine(const App& app, HWND list, int index) {
    if (Send(list, LB_SETCURSEL, index).value_or(LB_ERR) == LB_ERR)
        return testing::AssertionFailure() << "the list has no line " << index;
    WPARAM notification = MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE);
    PostMessageW(GetParent(list), WM_COMMAND, notification, reinterpret_cast<LPARAM>(list));
    return Settle(app);
}

// Posted: a handler that shows a message box would block a sent BM_CLICK.
// A user cannot click a disabled or hidden button, and BM_CLICK is no mouse
// click that the system would drop; so such a click is refused here.
testing::AssertionResult ClickButton(const App& app, HWND button) {
    if (!IsWindowVisible(button) || !IsWindowEnabled(button))
        return testing::AssertionFailure()
               << "button " << GetDlgCtrlID(button) << " (\"" << Text(button)
               << "\") is hidden or disabled and cannot be clicked";
    PostMessageW(button, BM_CLICK, 0, 0);
    return Settle(app);
}

// TCM_SETCURFOCUS sends TCN_SELCHANGING and TCN_SELCHANGE to the tab control's
// parent, as a click does; TCM_SETCURSEL sends nothing.
testing::AssertionResult SelectTab(const App& app, int index) {
    HWND tabs = FindTabControl(app);
    if (!tabs) return testing::AssertionFailure() << "the program has no tab control with id 0";
    if (!Send(tabs, TCM_SETCURFOCUS, index))
        return testing::AssertionFailure() << "the program did not answer TCM_SETCURFOCUS";
    testing::AssertionResult settled = Settle(app);
    if (!settled) return settled;
    if (CurrentTab(app) != index)
        return testing::AssertionFailure()
               << "tab " << index << " was asked for, tab " << CurrentTab(app) << " is shown";
    return testing::AssertionSuccess();
}

int CurrentTab(const App& app) {
    return static_cast<int>(Send(FindTabControl(app), TCM_GETCURSEL).value_or(-1));
}

// TCM_GETITEMW fills in a TCITEMW and the text it points to, both of which
// must be in the program's memory.
std::vector<std::string> TabCaptions(const App& app) {
    constexpr int kLongest = 128;
    std::vector<std::string> captions;
    HWND tabs = FindTabControl(app);
    RemoteBuffer buffer(tabs, sizeof(TCITEMW) + kLongest * sizeof(wchar_t));
    LRESULT count = buffer ? Send(tabs, TCM_GETITEMCOUNT).value_or(0) : 0;
    for (LRESULT i = 0; i < count; ++i) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = reinterpret_cast<wchar_t*>(buffer.At(sizeof item));
        item.cchTextMax = kLongest;
        wchar_t text[kLongest] = L"";
        if (!buffer.Write(&item, sizeof item) ||
            !Send(tabs, TCM_GETITEMW, i, buffer.At()).value_or(0) ||
            !buffer.Read(text, sizeof text, sizeof item))
            break;
        text[kLongest - 1] = L'\0';
        captions.push_back(Cp1252FromUtf16(text));
    }
    return captions;
}

// EM_GETSEL answers both ends packed into its result when given no pointers.
Selection EditSelection(HWND edit) {
    std::optional<LRESULT> packed = Send(edit, EM_GETSEL);
    if (!packed) return {};
    return {LOWORD(*packed), HIWORD(*packed)};
}

void PrintTo(const Selection& selection, std::ostream* out) {
    *out << "characters " << selection.start << " to " << selection.end;
}

} // namespace ui
