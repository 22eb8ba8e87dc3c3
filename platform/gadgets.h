// The main window, its toolbar and gadgets, addressed by the program's own
// numbers, and the events they report.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// Common controls and COM on this thread; undone by ReleaseFacilities.
void InitialiseFacilities();
void ReleaseFacilities();

// Fonts and images by number, created at start-up and released at the end.
int CreateFixedFont(int font, const std::string& face, int points);
// An image from a 16x16 icon file stored as the program's data resource.
int CreateImageFromIconData(int image, int resource);
void ReleaseImages();
void ReleaseFonts();

// Opens the one top-level window: the given client size, centred on the
// screen, always on top, visible, with the program icon and a minimise box.
int OpenMainWindow(const std::string& title, int clientWidth, int clientHeight);
// Return with no modifier reports command 0.
void AddReturnShortcut();
void CloseMainWindow();

constexpr int kSeparator = -1;
struct ToolbarButton {
    int Command; // or kSeparator
    int Image;   // the standard small image's index, or kOwnImage + the image's number
};
constexpr int kOwnImage = 100;

int CreateToolbar(const std::vector<ToolbarButton>& buttons);
void SetToolbarTooltip(int command, const std::string& text);
void EnableToolbarButton(int command, int enabled);

// The tab control below the toolbar, filling the rest of the client area,
// with one page per caption.
int CreatePanel(int gadget, const std::vector<std::string>& captions);

enum class GadgetKind { ListBox, TextField, DigitField, DefaultButton, CentredLabel, Label };
// A width or height that reaches to the page's right or bottom edge.
constexpr int kToPageEdge = -1;

int CreateGadget(int gadget, int page, GadgetKind kind, int x, int y, int width, int height,
                 const std::string& text);
void SetGadgetFont(int gadget, int font);
void LimitText(int gadget, int characters);

std::string GadgetText(int gadget);
void SetGadgetText(int gadget, const std::string& text);
void FocusGadget(int gadget);
void SelectText(int gadget, int start, int end);

void SetListLines(int gadget, const std::vector<std::string>& lines);
void RemoveListLine(int gadget, int index);
// The selected line's index, or -1.
int ListSelection(int gadget);

// The shown tab's index, or -1.
int CurrentTab(int gadget);
void ShowTab(int gadget, int tab);

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
