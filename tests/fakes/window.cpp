#include "platform/window.h"
#include <cstdlib>
#include <fstream>

#include "platform/process.h"
#include "platform/shell.h"
#include "tests/fakes/fake_platform.h"

namespace fake {

std::map<int, std::string> Texts;
std::map<int, std::vector<std::string>> Lists;
std::map<int, int> ListSelections;
std::map<int, std::pair<int, int>> TextSelections;
std::map<int, int> ToolbarEnabled;
int ShownTab = 0;
int Focus = -1;
std::deque<platform::WindowEvent> Events;
std::vector<std::string> OpenedAddresses;
std::string StartupFolder;
bool ShortcutSaveFails = false;
int Beeps = 0;

void ResetWindow() {
    Texts.clear();
    Lists.clear();
    ListSelections.clear();
    TextSelections.clear();
    ToolbarEnabled.clear();
    ShownTab = 0;
    Focus = -1;
    Events.clear();
    OpenedAddresses.clear();
    StartupFolder.clear();
    ShortcutSaveFails = false;
    Beeps = 0;
}

} // namespace fake

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
void EnableToolbarButton(int command, int enabled) { fake::ToolbarEnabled[command] = enabled; }
int CreatePanel(int, const std::vector<std::string>&) { return 1; }
int CreateGadget(int, int, GadgetKind, int, int, int, int, const std::string&) { return 1; }
void SetGadgetFont(int, int) {}
void LimitText(int, int) {}

std::string GadgetText(int gadget) { return fake::Texts[gadget]; }
void SetGadgetText(int gadget, const std::string& text) { fake::Texts[gadget] = text; }
void FocusGadget(int gadget) { fake::Focus = gadget; }
void SelectText(int gadget, int start, int end) { fake::TextSelections[gadget] = {start, end}; }

void SetListLines(int gadget, const std::vector<std::string>& lines) {
    fake::Lists[gadget] = lines;
    fake::ListSelections.erase(gadget);
}

void RemoveListLine(int gadget, int index) {
    auto& lines = fake::Lists[gadget];
    lines.erase(lines.begin() + index);
}

int ListSelection(int gadget) {
    auto found = fake::ListSelections.find(gadget);
    return found == fake::ListSelections.end() ? -1 : found->second;
}

int CurrentTab(int) { return fake::ShownTab; }
void ShowTab(int, int tab) { fake::ShownTab = tab; }

WindowEvent WaitWindowEvent() {
    // Once the test's events are used up, the user asks to close, but not
    // forever: a loop that never ends would hang the test run.
    static int closeRequests = 0;
    if (fake::Events.empty()) {
        if (++closeRequests > 100) std::abort();
        return {EventKind::Close, 0, GadgetEventType::Other};
    }
    closeRequests = 0;
    WindowEvent event = fake::Events.front();
    fake::Events.pop_front();
    return event;
}

void OpenInShell(const std::string& address) { fake::OpenedAddresses.push_back(address); }

std::string ShellFolderPath(int folderId) {
    return folderId == kStartupFolder ? fake::StartupFolder : "";
}

int CreateShellLink(const ShellLink& link, const std::string& linkPath) {
    if (fake::ShortcutSaveFails) return 0;
    std::ofstream(fake::PosixPath(linkPath), std::ios::binary) << link.Target;
    return 1;
}

void SoundBeep(unsigned frequency, unsigned milliseconds) {
    if (frequency == 800 && milliseconds == 100) fake::Beeps++;
}

} // namespace platform
