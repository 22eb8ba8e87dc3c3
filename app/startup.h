// The program's start and its run.
#pragma once

#include <string>

// Deletes the previous program file that a finished update left behind.
void RemoveUpdateLeftover();

// Returns only when no other copy runs; otherwise says so and ends the program.
void EnsureSingleInstance(const std::string& semaphoreName);

// Start-up, the program's run and its end.
[[noreturn]] void RunProgram();
