// Test doubles of the platform layer for the native tests: whatever the
// program asks of Windows, files included, is answered from World and
// recorded in it.
#pragma once

#include <map>
#include <string>

#include "platform/process.h"

namespace fake {

struct State {
    std::map<std::string, std::string> Files; // by path
    // Each writing file operation (create, write, flush, close, move) is a
    // fault point, counted from 1; the one numbered here fails.
    int FailingPoint = 0, FileOperations = 0;
    // One letter per rename in turn, 'x' where it fails; later ones succeed.
    std::string RenameFailures;
    // The same for reads, which fail part-way, and for size queries (kCannotLook).
    std::string ReadFailures, SizeFailures;
    unsigned Paused = 0; // milliseconds in all
    std::string ProgramFilePath;
    // One letter per message box: 'q' a question, 'e' an error, 'i' any other.
    std::string Boxes;
    // The answers to the questions in turn: 'y', 'n' or 'c'; Yes after the last.
    std::string Answers;
    std::map<int, std::string> Texts; // by gadget number
    int Selection = -1, Focus = -1;   // the register list's selection; the focused gadget
    bool NetworkWorks = true;
    std::string ServerResponse;    // to every connection; "": nobody answers
    bool ConnectionBreaks = false; // after the response, instead of closing
    // The version library reads a program file's name and version from the
    // text after its headers, "Festmelder 1.2.0.28"; a file without one has none.
    bool VersionLibraryMissing = false;
    bool ProcessesStart = true;
    std::string Started; // "file|parameters|folder|hidden\n" per process
    platform::WindowsVersion Windows = {true, true, 6, 1, true, true};
    std::string StartupFolder;      // "": the shell cannot name it
    bool ShortcutSaveFails = false; // else a shortcut file holds its target
    int Beeps = 0;
};

inline State World;

} // namespace fake
