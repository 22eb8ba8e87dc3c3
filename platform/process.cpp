#include "platform/process.h"

#include <windows.h>

namespace platform {

std::string ProgramFilePath() {
    char path[MAX_PATH + 1];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : 0);
}

void PauseMilliseconds(unsigned milliseconds) { Sleep(milliseconds); }

void SoundBeep(unsigned frequency, unsigned milliseconds) { Beep(frequency, milliseconds); }

int CreateNamedSemaphore(const std::string& name, int& alreadyExisted) {
    HANDLE semaphore = CreateSemaphoreA(nullptr, 0, 1, name.c_str());
    alreadyExisted = semaphore && GetLastError() == ERROR_ALREADY_EXISTS;
    return semaphore ? 1 : 0;
}

void ExitProgram(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }

} // namespace platform
