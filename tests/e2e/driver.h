// Drives Festmelder.exe under Wine as a user would, through its message loop:
// Start runs it in a fresh folder, Do acts step by step (each step ends once
// the program has handled it), Look takes a snapshot of the window (cp1252).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/whole_file.h"

namespace e2e {

using Result = testing::AssertionResult;

// How many times longer than on a real CPU each wait may take.
constexpr int kSlowness = FESTMELDER_E2E_SLOWNESS;

// Gadget numbers (the control ids of their windows) and toolbar command ids.
enum Gadget { kTabs = 0, kReport = 1, kName, kDay, kMonth, kYear, kApply, kRegister = 11 };
enum Command { kSettings = 1, kSave, kDelete, kPrint, kInfo, kUpdate, kHomePage };

// The program's message boxes, as Snapshot::box gives them: the user sees and answers them.
inline const struct {
    std::string inputError = "Eingabefehler|Fehlende oder ungültige Eingabe!|1",
                deleteQuestion =
                    "Löschen bestätigen|Wollen Sie diesen Datensatz wirklich "
                    "löschen?\r\nDiese Aktion kann nicht Rückgängig gemacht werden!|6 7",
                saveError = "Fehler|Die Daten konnten nicht gespeichert werden!|1",
                readError = "Fehler|Die Daten konnten nicht gelesen werden!|1",
                unsaved = "Ungesicherte Daten|Es gibt noch ungesicherte Daten,\r\nsollen diese "
                          "jetzt gespeichert werden?|6 7 2",
                autostart = "Einstellungen|Austostart Einstellungen für Festmelder:\t\r\n\r\n"
                            "Aktivieren mit:\tJa\r\nDeaktivieren mit:\tNein|6 7 2",
                updateQuestion = "Update Information|Möchten Sie den Update Prozess starten?|6 7",
                installQuestion = "Update Information|Lokale Dateiversion:\t1.2.0.27\t\r\nUpdate "
                                  "Dateiversion:\t1.2.0.28\r\n\r\nMöchten Sie das Update "
                                  "installieren?|6 7",
                noServer = "Update Fehler|Keine Verbindung zum Update Server!|1",
                sameVersion = "Update Information|Sie haben bereits die aktuellste Version!|1",
                notAnUpdate =
                    "Update Fehler|Die heruntergeladene Datei ist kein gültiges Update!|1",
                notSigned = "Update Fehler|Das Update ist nicht vom Herausgeber dieses "
                            "Programms signiert!|1",
                swapFailed = "Update Fehler|Es ist ein Fehler während\r\ndes Update Prozesses "
                             "aufgetreten!|1",
                installed = "Update Information|Das Update wurde erfolgreich installiert.\r\nDas "
                            "Programm wird nun neu gestartet!|1",
                newAbout = "Über Festmelder|Festmelder\r\nVersion: 1.2.28\r\n\r\n© 2008-2026 "
                           "Festmelder-Team\r\n\r\nDieses Programm ist Freeware.\r\n\r\nBitte "
                           "beachten Sie die Lizenzinformationen\t\r\nin der beiliegenden "
                           "Textdatei.\r\n\r\nwww.festmelder.example/freeware.htm|1";
} Boxes;

using Lines = std::vector<std::string>;

struct Snapshot {
    Lines report, entries; // the lines of the report and of the register list
    std::string fields;    // "name|day|month|year"
    int focus;             // the gadget number of the focused window
    // "title|text|button ids", then "|not modal" when it leaves the main window
    // enabled, "|not on top" without WS_EX_TOPMOST, "|covered" when another
    // window lies at its centre; "" for none.
    std::string box;
};

inline Result Failed() { return testing::AssertionFailure(); }

inline DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    return GetWindowThreadProcessId(window, &pid) ? pid : 0;
}

inline LRESULT Ask(HWND to, UINT m, WPARAM w = 0, LPARAM l = 0) {
    return SendMessageW(to, m, w, l);
}

// A character that cp1252 lacks becomes "?".
inline std::string InCp1252(const std::wstring& text) {
    std::string converted(text.size(), '\0');
    WideCharToMultiByte(1252, WC_NO_BEST_FIT_CHARS, text.data(), text.size(), converted.data(),
                        converted.size(), nullptr, nullptr);
    return converted;
}

// A list's line, or else the window's text, sent as W: GetWindowText gives ""
// for another process's edit, and Wine answers LB_GETTEXT sent as A in UTF-16.
inline std::string Text(HWND window, int line = -1) {
    std::wstring text(Ask(window, line < 0 ? WM_GETTEXTLENGTH : LB_GETTEXTLEN, line) + 1, L'\0');
    LRESULT length = Ask(window, line < 0 ? WM_GETTEXT : LB_GETTEXT, line < 0 ? text.size() : line,
                         LPARAM(text.data()));
    text.resize(std::max<LRESULT>(length, 0));
    return InCp1252(text);
}

inline Lines ListLines(HWND list) {
    Lines lines;
    for (int line = 0; line < Ask(list, LB_GETCOUNT); line++) lines.push_back(Text(list, line));
    return lines;
}

// The tab row, or a gadget on one of the pages (the other children).
inline HWND GadgetOf(HWND window, int gadget) {
    HWND found = gadget ? nullptr : FindWindowExA(window, nullptr, WC_TABCONTROLA, nullptr);
    for (HWND page = nullptr; !found && (page = FindWindowExA(window, page, nullptr, nullptr));)
        found = GetDlgItem(page, gadget);
    return found;
}

inline HWND Toolbar(HWND in) { return FindWindowExA(in, nullptr, TOOLBARCLASSNAMEA, nullptr); }

inline HWND FindBox(DWORD pid) {
    for (HWND box = nullptr; (box = FindWindowExA(nullptr, box, "#32770", nullptr));)
        if (ProcessOf(box) == pid && IsWindowVisible(box)) return box;
    return nullptr;
}

// "title|text|button ids", then what keeps the user from seeing or answering it.
inline std::string Describe(HWND box, HWND main) {
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

inline HWND Focused(HWND window) {
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    return thread.hwndFocus;
}

// The timeout times kSlowness.
inline Result WaitUntil(const std::function<bool()>& condition, const std::string& what,
                        int timeoutMs = 5000) {
    timeoutMs *= kSlowness;
    for (ULONGLONG deadline = GetTickCount64() + timeoutMs;; Sleep(50)) {
        bool late = GetTickCount64() >= deadline; // before the look, so that the last one counts
        if (condition()) return testing::AssertionSuccess();
        if (late) return Failed() << "waited " << timeoutMs << " ms for " << what;
    }
}

inline std::string Record(const std::string& name, int day, int month, int year) {
    return name + "\r\n" + std::to_string(day) + "\r\n" + std::to_string(month) + "\r\n" +
           std::to_string(year) + "\r\n";
}

inline std::string RegisterLine(const std::string& name, const std::string& date) {
    return (name + std::string(33, ' ')).substr(0, 33) + date;
}

class Festmelder : public testing::Test {
  protected:
    HANDLE process = nullptr;
    DWORD pid = 0;
    HWND window = nullptr;
    // Ends in "\"; the folder's name begins with place, and where cp1252
    // cannot spell that, this is its short form.
    std::string folder;

    std::string File(const std::string& name) { return WholeFile(folder + name); }
    // Without opening it, which would keep others from deleting it meanwhile.
    bool Has(const std::string& name) { return GetFileAttributesA((folder + name).c_str()) != ~0u; }
    bool Running() { return WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }

    // Runs the program as Festmelder.exe in a new folder until its window is
    // in front; prepare, if given, runs once the folder is filled.
    Result Start(const std::optional<std::string>& dataFile,
                 const char* program = FESTMELDER_PROGRAM,
                 const std::function<void()>& prepare = nullptr,
                 const std::wstring& place = L"Prüfung 100%") {
        Festmelder::TearDown(); // an earlier run of the test
        std::string run =
            " " + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + " " +
            std::to_string(GetTickCount()) + "\\";
        std::wstring longFolder =
            L"" FESTMELDER_E2E_RUNS L"\\" + place + std::wstring(run.begin(), run.end());
        wchar_t shortFolder[MAX_PATH] = L"";
        if (!CreateDirectoryW(longFolder.c_str(), nullptr) ||
            !GetShortPathNameW(longFolder.c_str(), shortFolder, MAX_PATH))
            return Failed() << "cannot make " << InCp1252(longFolder);
        folder = InCp1252(longFolder);
        if (folder.find('?') != std::string::npos) folder = InCp1252(shortFolder);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started = {};
        if (!CopyFileA(program, (folder + "Festmelder.exe").c_str(), TRUE) ||
            (dataFile &&
             !(std::ofstream(folder + "Festmelder.dat", std::ios::binary) << *dataFile)))
            return Failed() << "cannot fill " << folder;
        if (prepare) prepare();
        // By its long name, as a user starts it.
        if (!CreateProcessW((longFolder + L"Festmelder.exe").c_str(), nullptr, nullptr, nullptr,
                            FALSE, 0, nullptr, longFolder.c_str(), &startup, &started))
            return Failed() << "cannot start in " << folder << ": error " << GetLastError();
        CloseHandle(started.hThread);
        process = started.hProcess;
        pid = started.dwProcessId;
        return InFront();
    }

    // Wine brings a new window to the front a little after showing it; only then
    // does a message box take it as owner. The gadgets are there once the program
    // waits for input. Without a process, that of any new main window is taken.
    Result InFront() {
        Result ready = WaitUntil(
            [&] {
                window = FindWindowA(nullptr, "Festmelder");
                if (!process && (pid = ProcessOf(window)))
                    process = OpenProcess(SYNCHRONIZE | PROCESS_ALL_ACCESS, FALSE, pid);
                return window && ProcessOf(GetForegroundWindow()) == pid &&
                       ProcessOf(window) == pid && !WaitForInputIdle(process, 0);
            },
            "the main window in front, waiting for input", 15000);
        return ready ? Settle() : ready;
    }

    // WM_PAINT comes only once no posted message or input is left: when a spot we
    // invalidate is painted (twice, in case a paint was under way), all that was
    // posted before is handled. The toolbar paints cheaply, also under a modal box.
    Result Settle() {
        HWND toolbar = Toolbar(window);
        RECT spot = {0, 0, 1, 1};
        ULONGLONG deadline = GetTickCount64() + 5000 * kSlowness;
        for (int round = 0; round < 2 && IsWindowVisible(toolbar); round++)
            for (InvalidateRect(toolbar, &spot, FALSE); GetUpdateRect(toolbar, nullptr, FALSE);
                 Sleep(1))
                if (GetTickCount64() > deadline) return Failed() << "the program hangs";
        return testing::AssertionSuccess();
    }

    Snapshot Look() {
        std::string fields;
        for (int field = kName; field <= kYear; field++)
            fields += (field == kName ? "" : "|") + Text(GadgetOf(window, field));
        HWND focus = Focused(window), box = FindBox(pid);
        return {ListLines(GadgetOf(window, kReport)), ListLines(GadgetOf(window, kRegister)),
                fields, focus ? GetDlgCtrlID(focus) : -1, box ? Describe(box, window) : ""};
    }

    // The user's actions: each ends once the program has handled it.
    Result Tab(int page) { // as a click on the tab, with its notifications
        Ask(GadgetOf(window, kTabs), TCM_SETCURFOCUS, page);
        return Settle();
    }
    // "name|day|month|year" at once, past the date fields' digit check and
    // length limit, which only Type meets.
    Result Fill(const std::string& fields) {
        for (std::size_t field = kName, at = 0; field <= kYear; field++) {
            std::size_t end = fields.find('|', at);
            SendMessageA(GadgetOf(window, field), WM_SETTEXT, 0,
                         LPARAM(fields.substr(at, end - at).c_str()));
            at = end + 1;
        }
        return Settle();
    }
    Result Type(int gadget, const std::string& text) {
        for (unsigned char character : text)
            PostMessageA(GadgetOf(window, gadget), WM_CHAR, character, 1);
        return Settle();
    }
    Result Key(WPARAM key) { // to the focused window
        LPARAM scanCode = MapVirtualKeyW(key, MAPVK_VK_TO_VSC) << 16 | 1;
        PostMessageW(Focused(window), WM_KEYDOWN, key, scanCode);
        PostMessageW(Focused(window), WM_KEYUP, key, scanCode | 3u << 30);
        return Settle();
    }
    Result Click(int command) { // as the toolbar sends it; a disabled button sends nothing
        if (!Ask(Toolbar(window), TB_ISBUTTONENABLED, command))
            return Failed() << "toolbar button " << command << " is disabled";
        PostMessageW(window, WM_COMMAND, command, LPARAM(Toolbar(window)));
        return Settle();
    }
    Result Push() { // the apply button; posted, as a sent BM_CLICK would wait while a box runs
        PostMessageW(GadgetOf(window, kApply), BM_CLICK, 0, 0);
        return Settle();
    }
    Result Choose(int line) { // as a click on the register's line
        HWND list = GadgetOf(window, kRegister);
        Ask(list, LB_SETCURSEL, line);
        PostMessageW(GetParent(list), WM_COMMAND, MAKEWPARAM(kRegister, LBN_SELCHANGE),
                     LPARAM(list));
        return Settle();
    }
    // Waits for a box, the given one if any, and presses its button.
    Result Answer(int button, const std::string& expected = "") {
        HWND box = nullptr;
        auto seen = [&] {
            return (box = FindBox(pid)) && (expected.empty() || Describe(box, window) == expected);
        };
        if (!WaitUntil(seen, "a box", 10000))
            return Failed() << "no box " << expected << "; there is " << Look().box;
        PostMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0); // posted, for the box's own loop
        if (!WaitUntil([&] { return !IsWindow(box); }, "the box to close"))
            return Failed() << "no button " << button << " in " << Describe(box, window);
        return Settle();
    }
    Result Close() {
        PostMessageW(window, WM_CLOSE, 0, 0);
        return Settle();
    }
    // The first failure of the steps; a braced list runs them in its order.
    Result Do(std::initializer_list<Result> steps) {
        for (const Result& step : steps)
            if (!step) return Result(step) << " (step " << &step - steps.begin() + 1 << ")";
        return testing::AssertionSuccess();
    }

    Result Ended() {
        DWORD exitCode = 99;
        WaitForSingleObject(process, 5000 * kSlowness);
        GetExitCodeProcess(process, &exitCode);
        return exitCode ? Failed() << "exit code " << exitCode << " (259: still running)"
                        : testing::AssertionSuccess();
    }

    Result Restarted() {
        if (Result ended = Ended(); !ended) return ended;
        CloseHandle(process);
        process = nullptr;
        return InFront();
    }

    // Fails the test for a box left open. The folder of a failed test stays.
    void TearDown() override {
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
};

} // namespace e2e
