// Measures how long a program takes from its process start until its list
// box with control id 1 holds a line, over several starts, and prints the
// median and the range in milliseconds.
//   startup_timer PROGRAM.exe WINDOW-TITLE [STARTS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Search {
    const char* Title;
    DWORD Process;
    HWND Found;
};

BOOL CALLBACK FindWindowOfProcess(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char title[64] = "";
    GetWindowTextA(window, title, sizeof title);
    if (process != search->Process || std::string(title) != search->Title) return TRUE;
    search->Found = window;
    return FALSE;
}

HWND ListOf(HWND window) {
    HWND child = nullptr;
    while ((child = FindWindowExA(window, child, nullptr, nullptr)) != nullptr) {
        char windowClass[16] = "";
        GetClassNameA(child, windowClass, sizeof windowClass);
        if (GetDlgCtrlID(child) == 1 && lstrcmpiA(windowClass, "ListBox") == 0) return child;
        if (HWND list = ListOf(child)) return list;
    }
    return nullptr;
}

// Milliseconds until the list holds a line, or a negative number on time-out.
double TimeOneStart(const std::string& program, const char* title) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    std::string commandLine = "\"" + program + "\"";
    double started = Now();
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    double elapsed = -1;
    while (Now() - started < 20000) {
        Search search = {title, process.dwProcessId, nullptr};
        EnumWindows(FindWindowOfProcess, reinterpret_cast<LPARAM>(&search));
        HWND list = search.Found ? ListOf(search.Found) : nullptr;
        if (list && SendMessageA(list, LB_GETCOUNT, 0, 0) > 0) {
            elapsed = Now() - started;
            break;
        }
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM.exe WINDOW-TITLE [STARTS]\n", argv[0]);
        return 2;
    }
    int starts = argc > 3 ? std::atoi(argv[3]) : 10;
    std::vector<double> times;
    for (int i = 0; i < starts; i++) {
        double time = TimeOneStart(argv[1], argv[2]);
        if (time < 0) {
            std::fprintf(stderr, "%s: no line in its list box\n", argv[1]);
            return 1;
        }
        times.push_back(time);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-16s median %6.1f ms  (%.1f to %.1f ms over %d starts)\n", argv[2],
                times[times.size() / 2], times.front(), times.back(), starts);
    return 0;
}
