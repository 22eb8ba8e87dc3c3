#include "platform/process.h"

#include <windows.h>

#include <shellapi.h>

#include <cstring>

#include "platform/private/command_line.h"
#include "platform/private/system_library.h"

namespace platform {

std::string ProgramFilePath() {
    char path[MAX_PATH + 1];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
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

std::string InOemCodePage(const std::string& text) {
    std::string oem(text.size(), '\0');
    CharToOemBuffA(text.c_str(), oem.data(), static_cast<DWORD>(text.size()));
    return oem;
}

void ExitProgram(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

} // namespace platform
