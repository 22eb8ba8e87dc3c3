// The running process: its file, pauses, the single-instance marker, its end.
#pragma once

#include <string>

namespace platform {

// The running program file's full path in the ANSI code page, or "" if no
// ANSI text names it or the system cannot tell (see AnsiPath).
std::string ProgramFilePath();

void PauseMilliseconds(unsigned milliseconds);

// Sounds a tone of this frequency (Hz) for this long (ms).
void SoundBeep(unsigned frequency, unsigned milliseconds);

// Creates a named semaphore (initial count 0, maximum 1) that stays open until
// the process ends. Answers 1 when a handle came back; it is then open, and
// alreadyExisted tells whether another process had created it first.
int CreateNamedSemaphore(const std::string& name, int& alreadyExisted);

// Closes the semaphore, so that a copy started now is not refused.
void ReleaseNamedSemaphore();

// Starts a program, or hands the file to the shell to open; never waits.
// Answers 1 when something was started.
int StartProcess(const std::string& file, const std::string& parameters,
                 const std::string& workingDirectory, int hidden);

// What the system tells about its version.
struct WindowsVersion {
    bool Known;    // the query worked
    bool NtFamily; // else the 95/98/Me family
    unsigned Major, Minor;
    bool ProductTypeKnown; // the extended record worked
    bool Workstation;
};
WindowsVersion ReadWindowsVersion();

// Sets oem to the text in the code page that the command interpreter reads
// files in. Answers 0 when that code page cannot spell the text exactly, for
// it puts look-alikes in the place of the characters it lacks.
int InOemCodePage(const std::string& text, std::string& oem);

// Whether this 32-bit program runs on 64-bit Windows; 0 for the 64-bit one.
int RunsUnderWow64();

[[noreturn]] void ExitProgram(int exitCode);

} // namespace platform
