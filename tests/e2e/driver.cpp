#include "tests/e2e/driver.h"

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace e2e {

static Result Failed() { return testing::AssertionFailure(); }

static DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    return GetWindowThreadProcessId(window, &pid) ? pid : 0;
}

static LRESULT Ask(HWND to, UINT m, WPARAM w = 0, LPARAM l = 0) {
    return SendMessageW(to, m, w, l);
}

// A character that cp1252 lacks becomes "?".
static std::string InCp1252(const std::wstring& text) {
    std::string converted(text.size(), '\0');
    WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.data(), text.size(), converted.data(),
                        converted.size(), nullptr, nullptr);
    return converted;
}

// A list's line, or else the window's text, sent as W: GetWindowText gives ""
// for another process's edit, and Wine answers LB_GETTEXT sent as A in UTF-16.
static std::string Text(HWND window, int line = -1) {
    std::wstring text(Ask(window, line < 0 ? WM_GETTEXTLENGTH : LB_GETTEXTLEN, line) + 1, L'\0');
    LRESULT length = Ask(window, line < 0 ? WM_GETTEXT : LB_GETTEXT, line < 0 ? text.size() : line,
                         LPARAM(text.data()));
    text.resize(std::max<LRESULT>(length, 0));
    return InCp1252(text);
}

static Lines ListLines(HWND list) {
    Lines lines;
    for (int line = 0; line < Ask(list, LB_GETCOUNT); line++) lines.push_back(Text(list, line));
    return lines;
}

// The tab row, or a gadget on one of the pages (the other children).
static HWND GadgetOf(HWND window, int gadget) {
    HWND found = gadget ? nullptr : FindWindowExA(window, nullptr, WC_TABCONTROLA, nullptr);
    for (HWND page = nullptr; !found && (page = FindWindowExA(window, page, nullptr, nullptr));)
        found = GetDlgItem(page, gadget);
    return found;
}

static HWND Toolbar(HWND in) { return FindWindowExA(in, nullptr, TOOLBARCLASSNAMEA, nullptr); }

static HWND FindBox(DWORD pid) {
    for (HWND box = nullptr; (box = FindWindowExA(nullptr, box, "#32770", nullptr));)
        if (ProcessOf(box) == pid && IsWindowVisible(box)) return box;
    return nullptr;
}

// "title|text|button ids", then what keeps the user from seeing or answering it.
static std::string Describe(HWND box, HWND main) {
    RECT area = {};
    GetWindowRect(box, &area);
    POINT centre = {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    std::string text, buttons, marks = IsWindowEnabled(main) ? "|not modal" : "";
    // The main window stays on top: a box that is not lies behind it.
    marks += GetWindowLongA(box, GWL_EXSTYLE) & WS_EX_TOPMOST ? "" : "|not on top";
    marks += GetAncestor(WindowFromPoint(centre), GA_ROOT) != box ? "|covered" : "";
    char kind[16];
    for (HWND part = nullptr; (part = FindWindowExA(box, part, nullptr, nullptr));)
        if (GetClassNameA(part, kind, sizeof kind) && !strcmp(kind, "Button") &&
            IsWindowVisible(part))
            buttons += (buttons.empty() ? "" : " ") + std::to_string(GetDlgCtrlID(part));
        else if (!strcmp(kind, "Static") && (GetWindowLongA(part, GWL_STYLE) & SS_ICON) != SS_ICON)
            text = Text(part); // the other one shows the icon
    return Text(box) + "|" + text + "|" + buttons + marks;
}

static HWND Focused(HWND window) {
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    return thread.hwndFocus;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "(none)";
}

Result WaitUntil(const std::function<bool()>& condition, const std::string& what, int timeoutMs) {
    timeoutMs *= kSlowness;
    for (ULONGLONG deadline = GetTickCount64() + timeoutMs;; Sleep(50)) {
        bool late = GetTickCount64() >= deadline; // before the look, so that the last one counts
        if (condition()) return testing::AssertionSuccess();
        if (late) return Failed() << "waited " << timeoutMs << " ms for " << what;
    }
}

std::string Record(const std::string& name, int day, int month, int year) {
    return name + "\r\n" + std::to_string(day) + "\r\n" + std::to_string(month) + "\r\n" +
           std::to_string(year) + "\r\n";
}

std::string RegisterLine(const std::string& name, const std::string& date) {
    return (name + std::string(33, ' ')).substr(0, 33) + date;
}

Result Festmelder::Start(const std::optional<std::string>& dataFile, const char* program,
                         const std::function<void()>& prepare, const std::wstring& place) {
    Festmelder::TearDown(); // an earlier run of the test
    std::string test = testing::UnitTest::GetInstance()->current_test_info()->name(),
                run = " " + test + " " + std::to_string(GetTickCount()) + "\\";
    std::wstring longFolder =
        L"" FESTMELDER_E2E_RUNS L"\\" + place + std::wstring(run.begin(), run.end());
    wchar_t shortFolder[MAX_PATH] = L"";
    if (!CreateDirectoryW(longFolder.c_str(), nullptr) ||
        !GetShortPathNameW(longFolder.c_str(), shortFolder, MAX_PATH))
        return Failed() << "cannot make " << InCp1252(longFolder);
    folder = InCp1252(longFolder);
    if (folder.find('?') != std::string::npos) folder = InCp1252(shortFolder);
    std::string exe = folder + "Festmelder.exe";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CopyFileA(program, exe.c_str(), TRUE) ||
        (dataFile && !(std::ofstream(folder + "Festmelder.dat", std::ios::binary) << *dataFile)))
        return Failed() << "cannot fill " << folder;
    if (prepare) prepare();
    // By its long name, as a user starts it.
    if (!CreateProcessW((longFolder + L"Festmelder.exe").c_str(), nullptr, nullptr, nullptr, FALSE,
                        0, nullptr, longFolder.c_str(), &startup, &started))
        return Failed() << "cannot start " << exe << ": error " << GetLastError();
    CloseHandle(started.hThread);
    process = started.hProcess;
    pid = started.dwProcessId;
    return InFront();
}

// Wine brings a new window to the front a little after showing it; only then
// does a message box take it as owner. The gadgets are there once the program
// waits for input. Without a process, that of any new main window is taken.
Result Festmelder::InFront() {
    Result ready = WaitUntil(
        [&] {
            window = FindWindowA(nullptr, "Festmelder");
            if (!process && (pid = ProcessOf(window)))
                process = OpenProcess(SYNCHRONIZE | PROCESS_ALL_ACCESS, FALSE, pid);
            return window && ProcessOf(GetForegroundWindow()) == pid && ProcessOf(window) == pid &&
                   !WaitForInputIdle(process, 0);
        },
        "the main window in front, waiting for input", 15000);
    return ready ? Settle() : ready;
}

// WM_PAINT comes only once no posted message or input is left: when a spot we
// invalidate is painted (twice, in case a paint was under way), all that was
// posted before is handled. The toolbar paints cheaply, also under a modal box.
Result Festmelder::Settle() {
    HWND toolbar = Toolbar(window);
    RECT spot = {0, 0, 1, 1};
    ULONGLONG deadline = GetTickCount64() + 5000 * kSlowness;
    for (int round = 0; round < 2 && IsWindowVisible(toolbar); round++)
        for (InvalidateRect(toolbar, &spot, FALSE); GetUpdateRect(toolbar, nullptr, FALSE);
             Sleep(1))
            if (GetTickCount64() > deadline) return Failed() << "the program hangs";
    return testing::AssertionSuccess();
}

Snapshot Festmelder::Look() {
    std::string fields, toolbar;
    for (int field = kName; field <= kYear; field++)
        fields += (field == kName ? "" : "|") + Text(GadgetOf(window, field));
    for (int command = kSettings; command <= kHomePage; command++)
        toolbar += Ask(Toolbar(window), TB_ISBUTTONENABLED, command) ? "ESLDIUH"[command - 1] : '-';
    HWND focus = Focused(window), box = FindBox(pid);
    return {ListLines(GadgetOf(window, kReport)),
            ListLines(GadgetOf(window, kRegister)),
            int(Ask(GadgetOf(window, kRegister), LB_GETCURSEL)),
            fields,
            int(Ask(GadgetOf(window, kTabs), TCM_GETCURSEL)),
            focus ? GetDlgCtrlID(focus) : -1,
            toolbar,
            box ? Describe(box, window) : ""};
}

Result Festmelder::Do(const std::vector<Step>& steps) {
    for (std::size_t step = 0; step < steps.size(); step++)
        if (Result done = Perform(steps[step]); !done) return done << " (step " << step + 1 << ")";
    return testing::AssertionSuccess();
}

Result Festmelder::Perform(const Step& step) {
    HWND gadget = GadgetOf(window, step.action == Choose ? kRegister : step.number), box = 0;
    BYTE keys[256] = {};
    WPARAM key = step.action == Return ? VK_RETURN : VK_TAB;
    LPARAM scanCode = MapVirtualKeyW(key, MAPVK_VK_TO_VSC) << 16;
    DWORD us = GetCurrentThreadId(), program = GetWindowThreadProcessId(window, nullptr);
    switch (step.action) {
    case Tab: // sends the notifications that a click on the tab sends
        Ask(GadgetOf(window, kTabs), TCM_SETCURFOCUS, step.number);
        break;
    case Fill:
        for (std::size_t field = kName, at = 0; field <= kYear;
             field++, at = step.text.find('|', at) + 1)
            SendMessageA(GadgetOf(window, field), WM_SETTEXT, 0,
                         LPARAM(step.text.substr(at, step.text.find('|', at) - at).c_str()));
        break;
    case Type:
        for (unsigned char character : step.text) PostMessageA(gadget, WM_CHAR, character, 1);
        break;
    // IsDialogMessage asks GetKeyState(VK_SHIFT), which posted keys leave alone:
    // so Shift is set in the key state shared with the program while attached.
    case ShiftTab:
        keys[VK_SHIFT] = 0x80;
        AttachThreadInput(us, program, TRUE);
        SetKeyboardState(keys);
        [[fallthrough]];
    case TabKey:
    case Return:
        PostMessageW(Focused(window), WM_KEYDOWN, key, scanCode | 1);
        PostMessageW(Focused(window), WM_KEYUP, key, scanCode | 1 | 3u << 30);
        break;
    case Click: // as the toolbar sends it; a disabled button sends nothing
        if (!Ask(Toolbar(window), TB_ISBUTTONENABLED, step.number))
            return Failed() << "toolbar button " << step.number << " is disabled";
        PostMessageW(window, WM_COMMAND, step.number, LPARAM(Toolbar(window)));
        break;
    case Push: // posted: a sent BM_CLICK would wait while a box runs
        PostMessageW(GadgetOf(window, kApply), BM_CLICK, 0, 0);
        break;
    case Choose: // as a click on the line does
        Ask(gadget, LB_SETCURSEL, step.number);
        PostMessageW(GetParent(gadget), WM_COMMAND, MAKEWPARAM(kRegister, LBN_SELCHANGE),
                     LPARAM(gadget));
        break;
    case Answer: // posted, for the box's own loop
        if (!WaitUntil([&] { return (box = FindBox(pid)); }, "")) return Failed() << "no box";
        PostMessageW(GetDlgItem(box, step.number), BM_CLICK, 0, 0);
        if (!WaitUntil([&] { return !IsWindow(box); }, ""))
            return Failed() << "no button " << step.number << " in " << Describe(box, window);
        break;
    case Close:
        PostMessageW(window, WM_CLOSE, 0, 0);
        break;
    }
    Result settled = Settle();
    keys[VK_SHIFT] = 0; // Shift up again, once the program has taken the key
    SetKeyboardState(keys);
    AttachThreadInput(us, program, FALSE);
    return settled;
}

Result Festmelder::Ended() {
    DWORD exitCode = 99;
    WaitForSingleObject(process, 5000 * kSlowness);
    GetExitCodeProcess(process, &exitCode);
    return exitCode ? Failed() << "exit code " << exitCode << " (259: still running)"
                    : testing::AssertionSuccess();
}

Result Festmelder::Restarted() {
    if (Result ended = Ended(); !ended) return ended;
    CloseHandle(process);
    process = nullptr;
    return InFront();
}

// Fails the test for a box left open. The folder of a failed test stays.
void Festmelder::TearDown() {
    if (!process) return;
    if (HWND box = Running() ? FindBox(pid) : nullptr)
        ADD_FAILURE() << "left open: " << Describe(box, window);
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000 * kSlowness);
    CloseHandle(process);
    process = nullptr;
    if (HasFailure()) return (void)printf("The run's folder is kept: %s\n", folder.c_str());
    for (const char* name : {"exe", "dat", "tmp", "upd", "bat"})
        DeleteFileA((folder + "Festmelder." + name).c_str());
    RemoveDirectoryA(folder.c_str());
}

} // namespace e2e
