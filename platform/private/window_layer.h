// What the window layer's files (main_window, gadgets, toolbar) share: the
// windows they made, the events waiting to be taken and what the main
// window's procedure hands on to the toolbar and the panel. Only platform/
// includes this.
#pragma once

#include <windows.h>

namespace platform {
struct WindowEvent; // in platform/main_window.h
}

namespace platform::window_layer {

extern HWND MainWindow;
extern HWND Toolbar;

HWND Gadget(int gadget);
void RememberGadget(int gadget, HWND window);
// The gadget number of one of our gadget windows, or -1.
int GadgetNumberOf(HWND window);

void QueueEvent(const WindowEvent& event);

// The foreground window when it is one of ours, else none: the owner of
// message boxes and dialogs.
HWND ProgramForegroundWindow();

// Handles what the toolbar asks of its parent; answers 1 when it did.
int HandleToolbarNotification(const NMHDR* header, LRESULT& result);
// Shows the page of the tab that the panel now shows.
void ShowCurrentPage(HWND panel);

} // namespace platform::window_layer
