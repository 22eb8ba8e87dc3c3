// Starts Festmelder.exe from this program's folder on a register of its own and
// checks it from outside with plain Win32 calls: its window comes up with
// today's birthdays in the report, an entry added and saved lands in
// Festmelder.dat byte for byte, and closing the window ends it with exit code 0.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

const DWORD kPatience = 180000; // ms; emulated CPUs are slow

std::string Record(const char* name, int day, int month, int year) {
    return std::string(name) + "\r\n" + std::to_string(day) + "\r\n" + std::to_string(month) +
           "\r\n" + std::to_string(year) + "\r\n";
}

// Polls until the condition holds or the patience is used up.
template <class Condition> bool WaitFor(Condition condition) {
    for (DWORD start = GetTickCount(); GetTickCount() - start < kPatience; Sleep(100))
        if (condition()) return true;
    return false;
}

// A gadget on one of the pages, which are the main window's children.
HWND FindGadget(HWND window, int id) {
    HWND found = nullptr;
    for (HWND page = nullptr; !found && (page = FindWindowExW(window, page, nullptr, nullptr));)
        found = GetDlgItem(page, id);
    return found;
}

// A list box's line in the Windows code page. A list box of another process
// gives its lines right only to SendMessageW.
std::string ListLine(HWND list, int line) {
    wchar_t wide[256] = L"";
    char text[256] = "";
    if (SendMessageW(list, LB_GETTEXTLEN, line, 0) < 256)
        SendMessageW(list, LB_GETTEXT, line, (LPARAM)wide);
    WideCharToMultiByte(1252, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

std::string FileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

int Fail(const char* what) {
    printf("check: %s\n", what);
    return 1;
}

} // namespace

int main() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, strrchr(path, '\\') + 1), data = folder + "Festmelder.dat";
    SYSTEMTIME today;
    GetLocalTime(&today);
    const char* jurgen = "J\xfcrgen \xd6zt\xfcrk";
    std::string before = Record("Anna Muster", today.wDay, today.wMonth, 1987) +
                         Record("Bert Beispiel", 24, 12, 0) +
                         Record(jurgen, today.wDay, today.wMonth, 1960);
    std::ofstream(data, std::ios::binary) << before;

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    std::string program = folder + "Festmelder.exe";
    if (!CreateProcessA(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return Fail("Festmelder.exe did not start");
    HWND window = nullptr, report = nullptr;
    if (!WaitFor([&] {
            return (window = FindWindowW(nullptr, L"Festmelder")) &&
                   (report = FindGadget(window, 1)) && SendMessageW(report, LB_GETCOUNT, 0, 0) > 0;
        }))
        return Fail("no window \"Festmelder\" with a report");
    // Line 0 is the date, then "Heute:" and a blank line.
    if (ListLine(report, 3) != "     Anna Muster" ||
        ListLine(report, 4) != "     wird " + std::to_string(today.wYear - 1987) + " Jahre alt" ||
        ListLine(report, 6) != std::string("     ") + jurgen)
        return Fail("the report does not show today's birthdays");

    SendMessageW(FindWindowExW(window, nullptr, WC_TABCONTROLW, nullptr), TCM_SETCURFOCUS, 1, 0);
    const wchar_t* fields[] = {L"Zoe Neu", L"24", L"12", L"2019"};
    for (int gadget = 2; gadget <= 5; gadget++)
        SendMessageW(FindGadget(window, gadget), WM_SETTEXT, 0, (LPARAM)fields[gadget - 2]);
    PostMessageW(FindGadget(window, 6), BM_CLICK, 0, 0);
    // Save (command 2) is enabled once the entry is in; it is disabled again
    // once the file is written. Reading the file earlier would hold it open
    // against the program's replacing it.
    HWND toolbar = FindWindowExW(window, nullptr, TOOLBARCLASSNAMEW, nullptr);
    if (!WaitFor([&] { return SendMessageW(toolbar, TB_ISBUTTONENABLED, 2, 0) != 0; }))
        return Fail("the entry was not taken");
    PostMessageW(window, WM_COMMAND, 2, (LPARAM)toolbar);
    if (!WaitFor([&] { return SendMessageW(toolbar, TB_ISBUTTONENABLED, 2, 0) == 0; }))
        return Fail("the register was not saved");
    if (FileText(data) != before + Record("Zoe Neu", 24, 12, 2019))
        return Fail("Festmelder.dat is not the register with the saved entry");

    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD code = 1;
    WaitForSingleObject(process.hProcess, kPatience);
    GetExitCodeProcess(process.hProcess, &code); // STILL_ACTIVE while it runs
    if (code != 0) return Fail("the program did not end with exit code 0");
    puts("check: the window came up with the report, the saved entry is in the file, exit code 0");
    return 0;
}
