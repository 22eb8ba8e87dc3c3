// The question at the program's end and its one way to end.
#pragma once

// Set by ConfirmExit; the event loop ends when it is 1.
extern int ExitConfirmed;

// Decides on a close request, asking about unsaved data; sets ExitConfirmed.
void ConfirmExit();

[[noreturn]] void EndProgram();
