#include <cstdio>
#include <cstdlib>

#include "app/shutdown.h"
#include "common/program_values.h"
#include "platform/clock.h"
#include "platform/cryptography.h"
#include "platform/gadgets.h"
#include "platform/main_window.h"
#include "platform/message_box.h"
#include "platform/sockets.h"
#include "platform/version_info.h"
#include "register/data_file.h"
#include "register/entry_editing.h"
#include "tests/fakes/fake_platform.h"
#include "update/internet_update.h"

using fake::World;

namespace platform {

std::string ProgramFilePath() { return World.ProgramFilePath; }
void PauseMilliseconds(unsigned milliseconds) { World.Elapsed += milliseconds; }
unsigned Milliseconds() { return World.Elapsed; }
void SoundBeep(unsigned, unsigned) { World.Beeps++; }
void ReleaseNamedSemaphore() {}
[[noreturn]] void ExitProgram(int exitCode) { std::exit(exitCode); }
LocalTime ReadLocalTime() { return {2026, 12, 6, 8, 0, 0}; }
WindowsVersion ReadWindowsVersion() { return World.Windows; }
int InOemCodePage(const std::string& text, std::string& oem) {
    return oem = text, text.find_first_of("„“‰€") == std::string::npos;
}
int RunsUnderWow64() { return 0; }
// The program files here carry no signature, so nothing asks for these.
int VerifySigner(std::string_view, Signer&) { return 0; }
int Sha256(const std::vector<std::string_view>&, std::string&) { return 0; }

int StartProcess(const std::string& file, const std::string& parameters,
                 const std::string& workingDirectory, int hidden) {
    World.Started.push_back({file, parameters, workingDirectory, hidden});
    return World.ProcessesStart;
}

int ShowMessage(const std::string&, const std::string&, unsigned style) {
    if ((style & 0x0F) == kButtonsOk) {
        World.Boxes.push_back((style & 0xF0) == kIconError ? fake::kError : fake::kInformation);
        return kAnswerOk;
    }
    World.Boxes.push_back(fake::kQuestion);
    int answer = World.Answers.empty() ? kAnswerYes : World.Answers.front();
    if (!World.Answers.empty()) World.Answers.erase(World.Answers.begin());
    return answer;
}

int StartNetwork() { return World.NetworkWorks; }
void StopNetwork() {}

// The one connection hands out the server's response as fast as it is read, then closes.
struct Connection {};
static Connection TheConnection;

Connection* OpenConnection(const std::string&, std::uint16_t, unsigned) {
    return World.ServerResponse.empty() ? nullptr : &TheConnection;
}
int SendAll(Connection*, const std::string&, unsigned) { return 1; }
int WaitReceive(Connection*, char* buffer, int size, unsigned) {
    World.Elapsed += World.ReceiveTakes;
    int count = World.ServerResponse.copy(buffer, std::size_t(size));
    World.ServerResponse.erase(0, std::size_t(count));
    return count > 0 ? count : World.ConnectionBreaks ? kConnectionBroken : kConnectionClosed;
}
void CloseConnection(Connection*) {}

// A program file's product name and version: the text after its headers, "Festmelder 1.2.0.28".
static std::string AfterHeaders(const std::string& path) {
    return World.Files[path].substr(World.Files[path].find_last_of('\0') + 1);
}

VersionQuery QueryFileVersion(const std::string& path, std::uint32_t& mostSignificant,
                              std::uint32_t& leastSignificant) {
    unsigned p[4];
    if (World.VersionLibraryMissing) return VersionQuery::LibraryMissing;
    if (std::sscanf(AfterHeaders(path).c_str(), "%*s %u.%u.%u.%u", &p[0], &p[1], &p[2], &p[3]) != 4)
        return VersionQuery::NoVersion;
    mostSignificant = p[0] << 16 | p[1], leastSignificant = p[2] << 16 | p[3];
    return VersionQuery::Read;
}

std::string QueryProductName(const std::string& path) {
    std::string text = AfterHeaders(path);
    return text.substr(0, text.find(' '));
}

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

void fake::ResetProgramState() {
    World = {};
    Register = {};
    DataFilePath = ProgramFolder = "";
    DirtyFlag = SelectedIndex = EditingExisting = ExitConfirmed = NetworkReady = 0;
}
