// Test doubles of the platform layer for the native tests: files are real
// POSIX files, everything else is recorded and answered from here.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace fake {

// Each call of a writing file operation (create, write, flush, close, move)
// is one fault point, counted from 1. The point set here fails; 0 fails none.
void FailFileOperationAt(int point);
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

// Puts every recorded value back to its start.
void Reset();

} // namespace fake
