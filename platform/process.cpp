#include "platform/process.h"

#include <windows.h>

#include <shellapi.h>

#include <cstring>

#include "platform/ansi_path.h"
#include "platform/private/command_line.h"
#include "platform/private/system_library.h"

namespace platform {

std::string ProgramFilePath() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    // A path cut off at the end of the buffer is no path (Windows XP leaves it unterminated).
    path[length < MAX_PATH ? length : 0] = L'\0';
    return AnsiPath(path);
}

void PauseMilliseconds(unsigned milliseconds) { Sleep(milliseconds); }

void SoundBeep(unsigned frequency, unsigned milliseconds) { Beep(frequency, milliseconds); }

static HANDLE Semaphore = nullptr;

int CreateNamedSemaphore(const std::string& name, int& alreadyExisted) {
    Semaphore = CreateSemaphoreA(nullptr, 0, 1, name.c_str());
    alreadyExisted = Semaphore && GetLastError() == ERROR_ALREADY_EXISTS;
    return Semaphore ? 1 : 0;
}

void ReleaseNamedSemaphore() {
    if (Semaphore) CloseHandle(Semaphore);
    Semaphore = nullptr;
}

int StartProcess(const std::string& file, const std::string& parameters,
                 const std::string& workingDirectory, int hidden) {
    std::string commandLine = CommandLine(file, parameters);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = hidden ? SW_HIDE : SW_SHOWNORMAL;
    PROCESS_INFORMATION process;
    DWORD flags = NORMAL_PRIORITY_CLASS | (hidden ? DETACHED_PROCESS : 0);
    const char* folder = workingDirectory.empty() ? nullptr : workingDirectory.c_str();
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, flags, nullptr, folder,
                       &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return 1;
    }
    // Not a program: an address or a document, which the shell opens.
    std::string shellFolder =
        workingDirectory.empty() ? file.substr(0, file.find_last_of('\\') + 1) : workingDirectory;
    SHELLEXECUTEINFOA shell = {};
    shell.cbSize = sizeof shell;
    shell.fMask = SEE_MASK_NOCLOSEPROCESS;
    shell.lpVerb = "Open";
    shell.lpFile = file.c_str();
    shell.lpParameters = parameters.c_str();
    shell.lpDirectory = shellFolder.empty() ? nullptr : shellFolder.c_str();
    shell.nShow = hidden ? SW_HIDE : SW_SHOWNORMAL;
    decltype(&ShellExecuteExA) execute = nullptr;
    if (!LoadFunction(execute, "shell32.dll", "ShellExecuteExA") || !execute(&shell)) return 0;
    if (shell.hProcess) CloseHandle(shell.hProcess);
    return 1;
}

WindowsVersion ReadWindowsVersion() {
    OSVERSIONINFOEXA extended = {};
    extended.dwOSVersionInfoSize = sizeof extended;
    bool extendedKnown = GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended));
    OSVERSIONINFOA basic = {};
    basic.dwOSVersionInfoSize = sizeof basic;
    bool known = extendedKnown || GetVersionExA(&basic);
    if (extendedKnown) std::memcpy(&basic, &extended, sizeof basic);
    basic.dwOSVersionInfoSize = sizeof basic;
    return {known,
            basic.dwPlatformId == VER_PLATFORM_WIN32_NT,
            basic.dwMajorVersion,
            basic.dwMinorVersion,
            extendedKnown,
            extended.wProductType == VER_NT_WORKSTATION};
}

int InOemCodePage(const std::string& text, std::string& oem) {
    DWORD size = static_cast<DWORD>(text.size());
    oem.assign(text.size(), '\0');
    CharToOemBuffA(text.c_str(), oem.data(), size);
    std::string back(text.size(), '\0');
    OemToCharBuffA(oem.c_str(), back.data(), size);
    return back == text;
}

int RunsUnderWow64() {
    // Windows XP has the function from Service Pack 2 on; without it, no WOW64.
    BOOL(WINAPI * isWow64Process)(HANDLE, BOOL*) = nullptr;
    BOOL wow64 = FALSE;
    return LoadFunction(isWow64Process, "kernel32.dll", "IsWow64Process") &&
           isWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

void ExitProgram(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

} // namespace platform
