#include "platform/gadgets.h"
#include "platform/main_window.h"
#include "platform/shell.h"
#include "tests/fakes/fake_platform.h"

using fake::World;

namespace platform {

void ReleaseFacilities() {}
void ReleaseImages() {}
void ReleaseFonts() {}
void CloseMainWindow() {}
std::string GadgetText(int gadget) { return World.Texts[gadget]; }
void SetGadgetText(int gadget, const std::string& text) { World.Texts[gadget] = text; }
void FocusGadget(int) {}
void SetListLines(int, const std::vector<std::string>&) {}
void RemoveListLine(int, int) {}
int ListSelection(int) { return World.Selection; }

std::string ShellFolderPath(int) { return World.StartupFolder; }
int CreateShellLink(const ShellLink& link, const std::string& linkPath) {
    if (World.ShortcutSaveFails) return 0;
    World.Files[linkPath] = link.Target;
    World.Shortcut = link;
    return 1;
}

} // namespace platform
