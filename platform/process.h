// The running process: its file, pauses, the single-instance marker, its end.
#pragma once

#include <string>

namespace platform {

// The running program file's full path, or "" if the system cannot tell.
std::string ProgramFilePath();

void PauseMilliseconds(unsigned milliseconds);

// Sounds a tone of this frequency (Hz) for this long (ms).
void SoundBeep(unsigned frequency, unsigned milliseconds);

// Creates a named semaphore (initial count 0, maximum 1) that stays open until
// the process ends. Answers 1 when a handle came back; it is then open, and
// alreadyExisted tells whether another process had created it first.
int CreateNamedSemaphore(const std::string& name, int& alreadyExisted);

[[noreturn]] void ExitProgram(int exitCode);

} // namespace platform
