// Drives Festmelder.exe, or anything with the same windows, from a separate
// test program: starts it in a fresh folder, finds its gadgets, reads, types,
// clicks, answers its message boxes and takes screenshots, the way a user
// would, through the program's own message loop.
//
// Texts are cp1252 like the program's. Every wait has a deadline; whatever can
// fail answers a testing::AssertionResult that says what was awaited, so that
// a test reads ASSERT_TRUE(ui::WaitForMainWindow(app)). Actions that post
// input end by settling (see Settle), so their effect can be read at once.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ui {

constexpr int kTimeoutMs = 5000;
constexpr int kStartTimeoutMs = 15000; // the first start in a prefix is slow

// The gadget numbers, which are the control ids of their windows.
enum Gadget {
    kReportList = 1,
    kNameEdit = 2,
    kDayEdit = 3,
    kMonthEdit = 4,
    kYearEdit = 5,
    kPushButton = 6,
    kFirstLabel = 7,
    kLastLabel = 10,
    kRegisterList = 11,
};

// A started program. folder is in Windows form and ends with a backslash.
struct App {
    HANDLE process = nullptr;
    DWORD pid = 0;
    std::string folder;
    std::string exePath;
    HWND window = nullptr; // the main window, once WaitForMainWindow found it
};

// The program under test, as given on the test program's command line.
void SetProgramUnderTest(const std::string& unixOrWindowsPath);
const std::string& ProgramUnderTest();
// A Unix path as Wine sees it (Z:\...); Windows paths stay as they are.
std::string WindowsPath(const std::string& unixOrWindowsPath);

// --- The process (ui_driver.cpp)

// Copies exe as Festmelder.exe into a new folder, with Festmelder.dat holding
// dataFile if given, and starts it there.
testing::AssertionResult StartApp(const std::string& exe,
                                  const std::optional<std::string>& dataFile, App& app);
// StartApp in two steps, for a test that puts more into the folder first.
testing::AssertionResult PrepareApp(const std::string& exe,
                                    const std::optional<std::string>& dataFile, App& app);
testing::AssertionResult LaunchApp(App& app);
// Waits for the program's visible top-level window titled "Festmelder" (not a
// message box) and keeps it in app.window; then until a window of the program
// is the foreground window, as for a user who started it, and the program has
// come to its message loop, so that all its windows are made.
testing::AssertionResult WaitForMainWindow(App& app, int timeoutMs = kStartTimeoutMs);
// The program's main window as WaitForMainWindow looks for it, or nullptr.
HWND FindMainWindow(const App& app);
// Waits for another process of app's program file to show its main window, as
// after the program restarted itself, and takes it over as app: WaitForMainWindow
// then holds for it. The earlier process must have ended.
testing::AssertionResult WaitForSuccessor(App& app, int timeoutMs = kStartTimeoutMs);
testing::AssertionResult WaitForExit(const App& app, DWORD& exitCode, int timeoutMs = kTimeoutMs);
bool IsRunning(const App& app);
// Asks the main window to close, as its close box would.
void CloseMainWindow(const App& app);
// Ends the program if it still runs and closes its handle; safe to repeat.
void Kill(App& app);
// Deletes the program's folder with its files and empty subfolders.
void RemoveFolder(const App& app);
// A file of the program's folder, or nothing if it cannot be read.
std::optional<std::string> ReadAppFile(const App& app, const std::string& name);
// The names in the program's folder, without "." and "..".
std::vector<std::string> AppFolderNames(const App& app);
// A whole file by its Unix or Windows path; "" if it cannot be read.
std::string ReadWholeFile(const std::string& unixOrWindowsPath);

// --- Waiting (ui_waiting.cpp)

// Polls condition every 50 ms until it holds or the deadline passes.
testing::AssertionResult WaitUntil(const std::function<bool()>& condition, const std::string& what,
                                   int timeoutMs = kTimeoutMs);
// Waits until the program has handled every message and input posted to it so
// far. Also answers while a modal message box of it runs (the box's loop
// does the work), and at once when its windows are hidden or minimised.
testing::AssertionResult Settle(const App& app, int timeoutMs = kTimeoutMs);

// --- Windows and gadgets (ui_gadgets.cpp)

std::string Cp1252FromUtf16(const std::wstring& text);
std::wstring Utf16FromCp1252(const std::string& text);
std::string ClassName(HWND window);
// Compares the class name without case and without a version prefix.
bool HasClass(HWND window, const char* className);
// SendMessageW that gives up on a hung program; nothing on time-out.
std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                            int timeoutMs = kTimeoutMs);
// The first window below root (at any depth) with this control id and, if
// given, this class (case does not matter); nullptr if there is none.
HWND FindChild(HWND root, int controlId, const char* className = nullptr);
HWND FindChildByClass(HWND root, const char* className);
// A gadget by its number, with the class that gadget has (list box, edit,
// button, static), so that page windows with the same id are passed over.
HWND FindGadget(const App& app, int gadget);
HWND FindToolbar(const App& app);
HWND FindTabControl(const App& app);
// A window's text through WM_GETTEXT (GetWindowText reads "" across processes).
std::string Text(HWND window);
testing::AssertionResult SetText(HWND window, const std::string& text);
std::vector<std::string> ListLines(HWND list);
int ListSelection(HWND list); // -1 if none
// Selects a line and tells the list's parent, as a click on it would.
testing::AssertionResult SelectListLine(const App& app, HWND list, int index);
// Posts BM_CLICK; refuses a hidden or disabled button, which a user could not
// click either.
testing::AssertionResult ClickButton(const App& app, HWND button);
// Switches tabs with the notifications a click on the tab sends.
testing::AssertionResult SelectTab(const App& app, int index);
int CurrentTab(const App& app);
std::vector<std::string> TabCaptions(const App& app);
// An edit's selection as EM_GETSEL gives it: first character and the one
// after the last; both are the caret's place when nothing is selected.
struct Selection {
    int start = -1, end = -1;
    bool operator==(const Selection& other) const {
        return start == other.start && end == other.end;
    }
};
Selection EditSelection(HWND edit);
void PrintTo(const Selection& selection, std::ostream* out);

// --- Keyboard (ui_keyboard.cpp)

enum Modifiers { kNoModifier = 0, kShift = 1, kControl = 2 };

// The window that has the keyboard focus in the program, or nullptr.
HWND FocusedWindow(const App& app);
// Types cp1252 characters into window as WM_CHAR, as the keyboard would after
// translation. For Return, Tab and other keys use PressKey.
testing::AssertionResult TypeText(const App& app, HWND window, const std::string& text);
// Presses and releases a key (VK_...) on the focused window, holding the
// modifiers down meanwhile, through the program's accelerators and dialog
// navigation.
testing::AssertionResult PressKey(const App& app, UINT virtualKey, int modifiers = kNoModifier);

// --- Toolbar (ui_toolbar.cpp)

// The buttons' command ids left to right, without separators.
std::vector<int> ToolbarCommandIds(HWND toolbar);
// The same with kToolbarSeparator for each separator.
constexpr int kToolbarSeparator = -1;
std::vector<int> ToolbarItems(HWND toolbar);
// TBSTATE_... bits of the button with this command id, -1 if there is none.
int ToolbarButtonState(HWND toolbar, int commandId);
bool ToolbarButtonEnabled(HWND toolbar, int commandId);
// A mouse click at the button's centre; a disabled button then does nothing.
testing::AssertionResult ClickToolbarButton(const App& app, int commandId);

// --- Message boxes (ui_message_box.cpp)

struct MessageBoxInfo {
    HWND window = nullptr;
    std::string title;
    std::string text; // as shown, lines separated by "\r\n"
    HWND owner = nullptr;
    bool ownerDisabled = false;
    std::vector<int> buttonIds; // IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7, ...
    std::vector<std::string> buttonTexts;
};

// A visible message box (dialog class #32770) of the program, if one is open.
std::optional<MessageBoxInfo> FindMessageBox(const App& app);
testing::AssertionResult WaitForMessageBox(const App& app, MessageBoxInfo& box,
                                           int timeoutMs = kTimeoutMs);
// The standard icon the box shows: "information", "exclamation", "error" (the
// same as stop) or "question"; "none" without one, "unknown" for any other.
std::string MessageBoxIcon(const MessageBoxInfo& box);
// Clicks the box's button and waits until the box is gone.
testing::AssertionResult AnswerMessageBox(const MessageBoxInfo& box, int buttonId,
                                          int timeoutMs = kTimeoutMs);

// --- Screenshots (ui_screenshot.cpp)

// Writes the screen (the prefix's 800x600 virtual desktop), or only window if
// given, as a 24-bit BMP file, once the program has painted its windows
// (waiting at most 2 s for that, then taking the picture anyway).
testing::AssertionResult SaveScreenshot(const App& app, const std::string& bmpPath,
                                        HWND window = nullptr);

} // namespace ui
