#include "platform/gadgets.h"
#include "platform/main_window.h"
#include "platform/printer.h"
#include "platform/shell.h"
#include "platform/toolbar.h"
#include "tests/fakes/fake_platform.h"

using fake::World;

namespace platform {

void InitialiseFacilities() {}
void ReleaseFacilities() {}
int CreateFixedFont(int, const std::string&, int) { return 1; }
int CreateImageFromIconData(int, int) { return 1; }
void ReleaseImages() {}
void ReleaseFonts() {}
int OpenMainWindow(const std::string&, int, int) { return 1; }
void AddReturnShortcut() {}
void CloseMainWindow() {}
int CreateToolbar(const std::vector<ToolbarButton>&) { return 1; }
void SetToolbarTooltip(int, const std::string&) {}
void EnableToolbarButton(int, int) {}
int CreatePanel(int, const std::vector<std::string>&) { return 1; }
int CreateGadget(int, int, GadgetKind, int, int, int, int, const std::string&) { return 1; }
void SetGadgetFont(int, int) {}
void LimitText(int, int) {}
std::string GadgetText(int gadget) { return World.Texts[gadget]; }
void SetGadgetText(int gadget, const std::string& text) { World.Texts[gadget] = text; }
void FocusGadget(int gadget) { World.Focus = gadget; }
void SelectText(int, int, int) {}
void SetListLines(int, const std::vector<std::string>&) {}
void RemoveListLine(int, int) {}
int ListSelection(int) { return World.Selection; }
int CurrentTab(int) { return 0; }
void ShowTab(int, int) {}
WindowEvent WaitWindowEvent() { return {EventKind::Close, 0, GadgetEventType::Other}; }
void HandleSessionEnd(int (*)(), void (*)(int)) {}

std::string ShellFolderPath(int) { return World.StartupFolder; }
int CreateShellLink(const ShellLink& link, const std::string& linkPath) {
    if (!World.ShortcutSaveFails) World.Files[linkPath] = link.Target;
    return !World.ShortcutSaveFails;
}
void OpenInShell(const std::string&) {}

int ChoosePrinter() { return 0; }
int StartPrintJob(const std::string&) { return 0; }
PageSize PrintablePageSize() { return {0, 0}; }
int ScreenDotsPerInch() { return 96; }
void CreatePrintFont(PrintFont, int) {}
int PrintTextWidth(PrintFont, const std::string&) { return 0; }
int PrintPages(const std::vector<PrintPage>&) { return 0; }

} // namespace platform
