// Test doubles of the platform layer for the native tests: files are real
// POSIX files, everything else is recorded and answered from here.
#pragma once

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/process.h"
#include "platform/version_info.h"
#include "printing/printout_layout.h"

namespace fake {

// Each call of a writing file operation (create, write, flush, close, move)
// is one fault point, counted from 1. The point set here fails; 0 fails none.
void FailFileOperationAt(int point);

// The program's Windows paths on the test machine: backslashes become slashes.
std::string PosixPath(std::string path);
int FileOperationCount();

struct Message {
    std::string Title, Text;
    unsigned Style;
};

extern std::vector<Message> Messages;
extern int NextAnswer;
extern std::string ProgramFilePath;
extern unsigned PausedMilliseconds;
extern std::set<std::string> Semaphores;
extern platform::LocalTime Now;

// The update's world. The network starts when NetworkWorks; a server
// answers every connection with ServerResponse, none when it is empty.
extern bool NetworkWorks;
extern int NetworkStarts;
extern std::string ServerResponse;
// A program file here is a file that begins with "Festmelder " and its file
// version ("Festmelder 1.2.0.28"); it has that product name and version.
std::string ProgramFileBytes(const std::string& version);
// Started processes as "file|parameters|working directory|hidden"; the
// start succeeds when ProcessesStart.
extern std::vector<std::string> StartedProcesses;
extern bool ProcessesStart;
extern platform::WindowsVersion Windows;
// Whether each of the next renames fails, in order; later ones succeed.
extern std::deque<bool> RenameFailures;

// Puts every recorded value back to its start.
void Reset();

} // namespace fake

#include <deque>
#include <map>

#include "platform/window.h"

namespace fake {

// The window as the program left it, by gadget number.
extern std::map<int, std::string> Texts;
extern std::map<int, std::vector<std::string>> Lists;
extern std::map<int, int> ListSelections; // absent: no selection
extern std::map<int, std::pair<int, int>> TextSelections;
extern std::map<int, int> ToolbarEnabled;
extern int ShownTab;
extern int Focus;
extern std::deque<platform::WindowEvent> Events;
extern std::vector<std::string> OpenedAddresses;
// The shell's answer for the Startup folder; "" when it cannot name it.
extern std::string StartupFolder;
// Shortcuts are written as files holding their target; this one fails.
extern bool ShortcutSaveFails;
extern int Beeps;

void ResetWindow();

} // namespace fake

namespace fake {

// The version library's answer, and the version it reads.
extern platform::VersionQuery VersionAnswer;
extern std::uint32_t VersionMostSignificant, VersionLeastSignificant;

// The printer: whether the user chooses one, and the pages of the last job.
extern bool PrinterChosen;
extern std::vector<std::vector<PrintOperation>> PrintedPages;
extern std::map<int, int> PrintFontHeights;

} // namespace fake
