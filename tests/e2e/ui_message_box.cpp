// The program's message boxes: found by their dialog class and process, read,
// and answered by their buttons.
#include "tests/e2e/ui_driver.h"

#include <sstream>

namespace ui {

static BOOL CALLBACK ReadBoxPart(HWND child, LPARAM state) {
    auto* box = reinterpret_cast<MessageBoxInfo*>(state);
    LONG style = GetWindowLongW(child, GWL_STYLE);
    if (HasClass(child, "Button") && IsWindowVisible(child)) {
        box->buttonIds.push_back(GetDlgCtrlID(child));
        box->buttonTexts.push_back(Text(child));
    }
    // The other static shows the icon.
    if (HasClass(child, "Static") && (style & SS_TYPEMASK) != SS_ICON && box->text.empty())
        box->text = Text(child);
    return TRUE;
}

static MessageBoxInfo ReadBox(HWND window) {
    MessageBoxInfo box;
    box.window = window;
    box.title = Text(window);
    box.owner = GetWindow(window, GW_OWNER);
    box.ownerDisabled = box.owner && !IsWindowEnabled(box.owner);
    EnumChildWindows(window, ReadBoxPart, reinterpret_cast<LPARAM>(&box));
    return box;
}

struct BoxSearch {
    DWORD pid;
    HWND found;
};

static BOOL CALLBACK LookForBox(HWND window, LPARAM state) {
    auto* search = reinterpret_cast<BoxSearch*>(state);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || ClassName(window) != "#32770" || !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

std::optional<MessageBoxInfo> FindMessageBox(const App& app) {
    BoxSearch search = {app.pid, nullptr};
    if (app.pid) EnumWindows(LookForBox, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return std::nullopt;
    return ReadBox(search.found);
}

testing::AssertionResult WaitForMessageBox(const App& app, MessageBoxInfo& box, int timeoutMs) {
    return WaitUntil(
        [&] {
            std::optional<MessageBoxInfo> found = FindMessageBox(app);
            if (found) box = *found;
            return found.has_value();
        },
        "a message box of process " + std::to_string(app.pid), timeoutMs);
}

testing::AssertionResult AnswerMessageBox(const MessageBoxInfo& box, int buttonId, int timeoutMs) {
    HWND button = GetDlgItem(box.window, buttonId);
    if (!button || !IsWindowVisible(button)) {
        std::ostringstream ids;
        for (int id : box.buttonIds) ids << " " << id;
        return testing::AssertionFailure()
               << "the message box \"" << box.title << "\" has no button " << buttonId << ", only"
               << ids.str();
    }
    // Posted: the box's own modal loop must take it.
    PostMessageW(button, BM_CLICK, 0, 0);
    return WaitUntil([&] { return !IsWindow(box.window); },
                     "the message box \"" + box.title + "\" to go", timeoutMs);
}

} // namespace ui
