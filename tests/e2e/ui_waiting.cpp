// Waiting with deadlines: for a condition, and for the program to catch up
// with what was posted to it.
#include "tests/e2e/ui_driver.h"

namespace ui {

testing::AssertionResult WaitUntil(const std::function<bool()>& condition, const std::string& what,
                                   int timeoutMs) {
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        bool late = GetTickCount64() >= deadline; // checked before, so the last look still counts
        if (condition()) return testing::AssertionSuccess();
        if (late)
            return testing::AssertionFailure() << "waited " << timeoutMs << " ms for " << what;
        Sleep(50);
    }
}

// The system makes WM_PAINT only when no posted message and no input is left
// in a thread's queue, so once a spot we invalidate has been painted, all that
// was posted before has been handled. A SendMessage round trip (WM_NULL) would
// prove nothing: a thread handles sent messages before it takes a posted one.
// The toolbar paints a spot cheaply and has no children to hide it behind.
static HWND PaintMarkerWindow(const App& app) {
    HWND toolbar = FindToolbar(app);
    RECT client = {};
    if (toolbar && IsWindowVisible(toolbar) && GetClientRect(toolbar, &client) &&
        !IsRectEmpty(&client))
        return toolbar;
    return app.window;
}

testing::AssertionResult Settle(const App& app, int timeoutMs) {
    HWND marker = PaintMarkerWindow(app);
    if (!marker || !IsWindowVisible(marker)) return testing::AssertionSuccess();
    ULONGLONG deadline = GetTickCount64() + timeoutMs;
    // Twice: a paint the program had already taken from its queue when we
    // invalidated the spot would validate it too, too early.
    for (int round = 0; round < 2; ++round) {
        RECT spot = {0, 0, 1, 1};
        InvalidateRect(marker, &spot, FALSE);
        while (GetUpdateRect(marker, nullptr, FALSE)) {
            if (GetTickCount64() >= deadline)
                return testing::AssertionFailure()
                       << "the program did not come back to its message loop within " << timeoutMs
                       << " ms";
            Sleep(1);
        }
    }
    return testing::AssertionSuccess();
}

} // namespace ui
