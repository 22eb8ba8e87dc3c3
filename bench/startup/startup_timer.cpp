// Starts the programs in turn (A, B, A, B, ...), so that a busy machine slows
// them alike. Prints a line per program: the median, shortest and longest time
// in ms from process start until a list box with control id 1 holds a line,
// and the largest peak working set in KB, read just before each start ends.
//   startup_timer STARTS PROGRAM.exe...
#define PSAPI_VERSION 1 // psapi.dll's GetProcessMemoryInfo, which XP has
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

static double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

static BOOL CALLBACK FindList(HWND window, LPARAM found) {
    char windowClass[16] = "";
    GetClassNameA(window, windowClass, sizeof windowClass);
    if (GetDlgCtrlID(window) != 1 || lstrcmpiA(windowClass, "ListBox") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

static BOOL CALLBACK FindListIn(HWND window, LPARAM found) {
    EnumChildWindows(window, FindList, found);
    return *reinterpret_cast<HWND*>(found) == nullptr;
}

// The time (negative on time-out) and the peak working set of one start.
static std::pair<double, double> MeasureOneStart(const char* program) {
    std::string commandLine = '"' + std::string(program) + '"';
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    double started = Now(), elapsed = -1;
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return {-1, 0};
    for (HWND list = nullptr; elapsed < 0 && Now() - started < 20000; Sleep(1)) {
        if (!list) // each search costs the measured program time
            EnumThreadWindows(process.dwThreadId, FindListIn, reinterpret_cast<LPARAM>(&list));
        if (list && SendMessageA(list, LB_GETCOUNT, 0, 0) > 0) elapsed = Now() - started;
    }
    PROCESS_MEMORY_COUNTERS memory = {};
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return {elapsed, static_cast<double>(memory.PeakWorkingSetSize) / 1024};
}

int main(int argc, char** argv) {
    int starts = argc > 2 ? std::stoi(argv[1]) : 0;
    std::vector<std::vector<double>> times(argc);
    std::vector<double> peak(argc);
    for (int round = -1; round < starts; round++) // round -1 only warms the caches up
        for (int program = 2; program < argc; program++) {
            auto [milliseconds, kilobytes] = MeasureOneStart(argv[program]);
            if (milliseconds < 0) {
                std::fprintf(stderr, "%s: its list stayed empty\n", argv[program]);
                return 1;
            }
            if (round < 0) continue;
            times[program].push_back(milliseconds);
            peak[program] = std::max(peak[program], kilobytes);
        }
    for (int program = 2; program < argc && starts > 0; program++) {
        std::sort(times[program].begin(), times[program].end());
        std::printf("%s %.1f %.1f %.1f %.0f\n", argv[program], times[program][starts / 2],
                    times[program].front(), times[program].back(), peak[program]);
    }
    return starts > 0 ? 0 : 2;
}
