// The one top-level window, the facilities it needs and the events it reports.
#pragma once

#include <string>

namespace platform {

// Common controls and COM on this thread; undone by ReleaseFacilities.
void InitialiseFacilities();
void ReleaseFacilities();

// Opens the one top-level window: the given client size, centred on the
// screen, always on top, visible, with the program icon and a minimise box.
int OpenMainWindow(const std::string& title, int clientWidth, int clientHeight);
// Return with no modifier reports command 0.
void AddReturnShortcut();
void CloseMainWindow();

enum class EventKind { Command, Gadget, Close };
enum class GadgetEventType { Other, FocusGained, FocusLost };
struct WindowEvent {
    EventKind Kind;
    int Id; // the command id or the gadget number
    GadgetEventType Type;
};

// Waits, without time-out, for the next event of the main window.
WindowEvent WaitWindowEvent();

// At log-off or shut-down Windows asks whether the session may end and needs
// the answer before the window procedure returns, so it cannot wait for the
// event loop: mayEnd is called then. Afterwards ends is told whether the
// session really ends, after which the process may be gone.
void HandleSessionEnd(int (*mayEnd)(), void (*ends)(int ending));

} // namespace platform
