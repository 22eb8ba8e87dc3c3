// The toolbar: its buttons, their states and real mouse clicks on them.
#include "tests/e2e/ui_driver.h"

#include <commctrl.h>

#include "tests/e2e/ui_remote_buffer.h"

namespace ui {

// Sends a message whose answer the toolbar writes through lParam, which must
// then point into the program's memory.
static bool AskToolbar(HWND toolbar, UINT message, WPARAM wParam, void* answer, size_t size) {
    RemoteBuffer buffer(toolbar, size);
    std::optional<LRESULT> result = buffer ? Send(toolbar, message, wParam, buffer.At()) : 0;
    return result && *result && buffer.Read(answer, size);
}

std::vector<int> ToolbarItems(HWND toolbar) {
    std::vector<int> items;
    LRESULT count = Send(toolbar, TB_BUTTONCOUNT).value_or(0);
    for (LRESULT i = 0; i < count; ++i) {
        TBBUTTON button = {};
        if (AskToolbar(toolbar, TB_GETBUTTON, i, &button, sizeof button))
            items.push_back(button.fsStyle & BTNS_SEP ? kToolbarSeparator : button.idCommand);
    }
    return items;
}

std::vector<int> ToolbarCommandIds(HWND toolbar) {
    std::vector<int> ids;
    for (int item : ToolbarItems(toolbar))
        if (item != kToolbarSeparator) ids.push_back(item);
    return ids;
}

int ToolbarButtonState(HWND toolbar, int commandId) {
    return static_cast<int>(Send(toolbar, TB_GETSTATE, commandId).value_or(-1));
}

// TB_ISBUTTONENABLED answers TBSTATE_ENABLED (4), not 1, for yes.
bool ToolbarButtonEnabled(HWND toolbar, int commandId) {
    return Send(toolbar, TB_ISBUTTONENABLED, commandId).value_or(0) != 0;
}

// Posted mouse messages at the button's centre: the toolbar then decides, as
// for a real click, whether to send its WM_COMMAND (not for a disabled
// button). So unlike ClickButton this clicks disabled buttons too.
testing::AssertionResult ClickToolbarButton(const App& app, int commandId) {
    HWND toolbar = FindToolbar(app);
    if (!toolbar) return testing::AssertionFailure() << "the program has no toolbar";
    int state = ToolbarButtonState(toolbar, commandId);
    if (state < 0 || (state & TBSTATE_HIDDEN))
        return testing::AssertionFailure() << "the toolbar shows no button " << commandId;
    RECT button = {};
    if (!AskToolbar(toolbar, TB_GETRECT, commandId, &button, sizeof button))
        return testing::AssertionFailure()
               << "cannot get the place of toolbar button " << commandId;
    LPARAM centre = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    PostMessageW(toolbar, WM_MOUSEMOVE, 0, centre);
    PostMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    PostMessageW(toolbar, WM_LBUTTONUP, 0, centre);
    return Settle(app);
}

} // namespace ui
