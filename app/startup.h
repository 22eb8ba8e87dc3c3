// The program's start, the question at its end and its one way to end.
#pragma once

#include <string>

// Deletes the previous program file that a finished update left behind.
void RemoveUpdateLeftover();

// Returns only when no other copy runs; otherwise says so and ends the program.
void EnsureSingleInstance(const std::string& semaphoreName);

// Decides on a close request, asking about unsaved data; sets ExitConfirmed.
void ConfirmExit();

[[noreturn]] void EndProgram();

// Start-up, the program's run and its end.
[[noreturn]] void RunProgram();
