// Starting the program under test in its own folder, finding it, ending it.
#include "tests/e2e/ui_driver.h"

#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>

namespace ui {

static std::string ProgramPath;

void SetProgramUnderTest(const std::string& unixOrWindowsPath) {
    ProgramPath = WindowsPath(unixOrWindowsPath);
}

const std::string& ProgramUnderTest() { return ProgramPath; }

std::string WindowsPath(const std::string& unixOrWindowsPath) {
    if (unixOrWindowsPath.empty() || unixOrWindowsPath[0] != '/') return unixOrWindowsPath;
    std::string path = "Z:" + unixOrWindowsPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

// Where the runs' folders go: FESTMELDER_E2E_FOLDER (set by the build, so
// that a kept folder can be looked at from Linux), else the temporary folder.
static std::string RunsFolder() {
    char value[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("FESTMELDER_E2E_FOLDER", value, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        std::string folder = WindowsPath(value) + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
        return folder;
    }
    GetTempPathA(MAX_PATH, value);
    return value;
}

// Named after the running test, so that a kept folder says whose it was.
static std::string TestName() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "run";
    for (char& c : name)
        if (!isalnum(static_cast<unsigned char>(c)) && c != '.') c = '_';
    return name;
}

// Numbered on past the folders of earlier runs that were kept.
static bool CreateNewFolder(App& app) {
    static int created = 0;
    std::string stem = RunsFolder() + TestName() + "-";
    for (;;) {
        app.folder = stem + std::to_string(++created) + "\\";
        if (CreateDirectoryA(app.folder.c_str(), nullptr)) return true;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return false;
    }
}

static bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
    return file.good();
}

testing::AssertionResult PrepareApp(const std::string& exe,
                                    const std::optional<std::string>& dataFile, App& app) {
    app = App();
    if (!CreateNewFolder(app))
        return testing::AssertionFailure()
               << "cannot create " << app.folder << ": error " << GetLastError();
    app.exePath = app.folder + "Festmelder.exe";
    if (!CopyFileA(WindowsPath(exe).c_str(), app.exePath.c_str(), TRUE))
        return testing::AssertionFailure()
               << "cannot copy " << exe << " to " << app.exePath << ": error " << GetLastError();
    if (dataFile && !WriteWholeFile(app.folder + "Festmelder.dat", *dataFile))
        return testing::AssertionFailure() << "cannot write " << app.folder << "Festmelder.dat";
    return testing::AssertionSuccess();
}

testing::AssertionResult LaunchApp(App& app) {
    std::string commandLine = "\"" + app.exePath + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    if (!CreateProcessA(app.exePath.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        app.folder.c_str(), &startup, &started))
        return testing::AssertionFailure()
               << "cannot start " << app.exePath << ": error " << GetLastError();
    CloseHandle(started.hThread);
    app.process = started.hProcess;
    app.pid = started.dwProcessId;
    return testing::AssertionSuccess();
}

testing::AssertionResult StartApp(const std::string& exe,
                                  const std::optional<std::string>& dataFile, App& app) {
    testing::AssertionResult prepared = PrepareApp(exe, dataFile, app);
    return prepared ? LaunchApp(app) : prepared;
}

bool IsRunning(const App& app) {
    return app.process && WaitForSingleObject(app.process, 0) == WAIT_TIMEOUT;
}

static DWORD ExitCodeOf(const App& app) {
    DWORD exitCode = 0;
    GetExitCodeProcess(app.process, &exitCode);
    return exitCode;
}

static bool IsMainWindowOf(HWND window, DWORD pid) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t title[32] = L"";
    GetWindowTextW(window, title, 32);
    return owner == pid && wcscmp(title, L"Festmelder") == 0 && ClassName(window) != "#32770" &&
           IsWindowVisible(window);
}

struct MainWindowSearch {
    DWORD pid;
    HWND found;
};

static BOOL CALLBACK LookAtTopLevelWindow(HWND window, LPARAM state) {
    auto* search = reinterpret_cast<MainWindowSearch*>(state);
    if (!IsMainWindowOf(window, search->pid)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindMainWindow(const App& app) {
    MainWindowSearch search = {app.pid, nullptr};
    EnumWindows(LookAtTopLevelWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

static std::string ImagePath(HANDLE process) {
    char path[MAX_PATH];
    DWORD length = MAX_PATH;
    return QueryFullProcessImageNameA(process, 0, path, &length) ? std::string(path, length) : "";
}

static BOOL CALLBACK LookForSuccessor(HWND window, LPARAM state) {
    auto* app = reinterpret_cast<App*>(state);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == app->pid || !IsMainWindowOf(window, pid)) return TRUE;
    HANDLE process = OpenProcess(
        SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process) return TRUE;
    if (lstrcmpiA(ImagePath(process).c_str(), app->exePath.c_str()) != 0) {
        CloseHandle(process);
        return TRUE;
    }
    CloseHandle(app->process);
    app->process = process;
    app->pid = pid;
    return FALSE;
}

testing::AssertionResult WaitForSuccessor(App& app, int timeoutMs) {
    if (IsRunning(app))
        return testing::AssertionFailure() << "process " << app.pid << " has not ended";
    testing::AssertionResult found =
        WaitUntil([&] { return !EnumWindows(LookForSuccessor, reinterpret_cast<LPARAM>(&app)); },
                  "a new process of " + app.exePath + " with its main window", timeoutMs);
    return found ? WaitForMainWindow(app, timeoutMs) : found;
}

static bool IsInFront(const App& app) {
    DWORD pid = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &pid);
    return pid == app.pid;
}

// Wine activates a new window a little after showing it, through the virtual
// desktop; until then it is not the foreground window, which decides, for
// one, whether a message box gets the main window as its owner.
// A program may show its window before it has made all its children; they
// are there once it takes messages.
testing::AssertionResult WaitForMainWindow(App& app, int timeoutMs) {
    if (!app.process) return testing::AssertionFailure() << "the program was not started";
    bool inFront = false, ended = false;
    testing::AssertionResult ready = WaitUntil(
        [&] {
            app.window = FindMainWindow(app);
            inFront = app.window && IsInFront(app);
            ended = !IsRunning(app);
            return inFront || ended;
        },
        "the main window \"Festmelder\" of process " + std::to_string(app.pid) + " in front",
        timeoutMs);
    if (inFront) return Settle(app, timeoutMs);
    if (ended)
        return testing::AssertionFailure() << "the program ended with exit code " << ExitCodeOf(app)
                                           << " before its main window came up";
    if (app.window) ready << " (the window is there, but not in front)";
    return ready;
}

testing::AssertionResult WaitForExit(const App& app, DWORD& exitCode, int timeoutMs) {
    if (!app.process) return testing::AssertionFailure() << "the program was not started";
    if (WaitForSingleObject(app.process, timeoutMs) != WAIT_OBJECT_0)
        return testing::AssertionFailure()
               << "the program still runs after " << timeoutMs << " ms of waiting for its end";
    exitCode = ExitCodeOf(app);
    return testing::AssertionSuccess();
}

void CloseMainWindow(const App& app) { PostMessageW(app.window, WM_CLOSE, 0, 0); }

void Kill(App& app) {
    if (!app.process) return;
    if (IsRunning(app)) {
        TerminateProcess(app.process, 1);
        WaitForSingleObject(app.process, kTimeoutMs);
    }
    CloseHandle(app.process);
    app.process = nullptr;
    app.window = nullptr;
}

std::vector<std::string> AppFolderNames(const App& app) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((app.folder + "*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (strcmp(entry.cFileName, ".") && strcmp(entry.cFileName, ".."))
            names.push_back(entry.cFileName);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return names;
}

void RemoveFolder(const App& app) {
    if (app.folder.empty()) return;
    for (const std::string& name : AppFolderNames(app)) {
        std::string path = app.folder + name;
        if (!DeleteFileA(path.c_str())) RemoveDirectoryA(path.c_str());
    }
    RemoveDirectoryA(app.folder.c_str());
}

std::optional<std::string> ReadAppFile(const App& app, const std::string& name) {
    std::ifstream file(app.folder + name, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string ReadWholeFile(const std::string& unixOrWindowsPath) {
    std::ifstream file(WindowsPath(unixOrWindowsPath), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

} // namespace ui
