// The loop that takes the window's events one at a time and carries them out.
#pragma once

// Runs until a close request has been confirmed.
void RunEventLoop();

// Enables and disables the toolbar buttons from the program's state.
void RefreshToolbar();

// Selects a text field's text from start to end; -1 stands for its length.
void SelectFieldText(int gadget, int start, int end);

void ShowAbout();
