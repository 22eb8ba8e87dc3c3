// The gadgets on the main window's tab pages and the fonts they show text in,
// addressed by the program's own numbers.
#pragma once

#include <string>
#include <vector>

namespace platform {

// Fonts by number, created at start-up and released at the end.
int CreateFixedFont(int font, const std::string& face, int points);
void ReleaseFonts();

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

} // namespace platform
