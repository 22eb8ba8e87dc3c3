// The platform layer's test doubles: what the native tests' program asks of Windows, files
// included, is answered from World and recorded in it.
#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/process.h"
#include "platform/shell.h"

namespace fake {

enum Box { kQuestion, kError, kInformation };

struct Process {
    std::string File, Parameters, Folder;
    int Hidden;
    bool operator==(const Process& o) const {
        return std::tie(File, Parameters, Folder, Hidden) ==
               std::tie(o.File, o.Parameters, o.Folder, o.Hidden);
    }
};

struct State {
    std::map<std::string, std::string> Files; // by path
    // Writing file operations (create, write, flush, close, move) count from 1; this one fails.
    int FailingPoint = 0, FileOperations = 0;
    std::set<int> FailingRenames; // counted from 1
    int Renames = 0;
    // The first reads, which fail part-way, and size queries (kCannotLook) that fail.
    int FailingReads = 0, FailingSizeQueries = 0;
    unsigned Elapsed = 0; // milliseconds, in pauses and in waits for the network
    std::string ProgramFilePath;
    std::vector<Box> Boxes;
    std::vector<int> Answers; // to the questions in turn, platform::kAnswer...; Yes after the last
    std::map<int, std::string> Texts; // by gadget number
    int Selection = -1;               // the register list's
    bool NetworkWorks = true;
    std::string ServerResponse;    // to every connection; "": nobody answers
    bool ConnectionBreaks = false; // after the response, instead of closing
    unsigned ReceiveTakes = 0;     // milliseconds that each receive waits
    bool VersionLibraryMissing = false;
    bool ProcessesStart = true;
    std::vector<Process> Started;
    platform::WindowsVersion Windows = {true, true, 6, 1, true, true};
    std::string StartupFolder;      // "": the shell cannot name it
    bool ShortcutSaveFails = false; // else a shortcut file holds its target
    platform::ShellLink Shortcut{}; // the last one saved
    int Beeps = 0;
};

inline State World;

// A new World and the program's shared state as at its start.
void ResetProgramState();

} // namespace fake
