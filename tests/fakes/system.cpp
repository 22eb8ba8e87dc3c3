#include <cstdio>
#include <cstdlib>

#include "platform/clock.h"
#include "platform/cryptography.h"
#include "platform/message_box.h"
#include "platform/sockets.h"
#include "platform/version_info.h"
#include "tests/fakes/fake_platform.h"

using fake::World;

namespace platform {

std::string ProgramFilePath() { return World.ProgramFilePath; }
void PauseMilliseconds(unsigned milliseconds) { World.Paused += milliseconds; }
void SoundBeep(unsigned, unsigned) { World.Beeps++; }
int CreateNamedSemaphore(const std::string&, int&) { return 0; }
void ReleaseNamedSemaphore() {}
[[noreturn]] void ExitProgram(int exitCode) { std::exit(exitCode); }
LocalTime ReadLocalTime() { return {2026, 12, 6, 8, 0, 0}; }
unsigned Milliseconds() { return 0; }
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
    World.Started +=
        file + "|" + parameters + "|" + workingDirectory + "|" + std::to_string(hidden) + "\n";
    return World.ProcessesStart;
}

int ShowMessage(const std::string&, const std::string&, unsigned style) {
    if ((style & 0x0F) == kButtonsOk) {
        World.Boxes += (style & 0xF0) == kIconError ? 'e' : 'i';
        return kAnswerOk;
    }
    World.Boxes += 'q';
    char answer = World.Answers.empty() ? 'y' : World.Answers[0];
    World.Answers.erase(0, 1);
    return answer == 'n' ? kAnswerNo : answer == 'c' ? kAnswerCancel : kAnswerYes;
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
    int count = World.ServerResponse.copy(buffer, std::size_t(size));
    World.ServerResponse.erase(0, std::size_t(count));
    return count > 0 ? count : World.ConnectionBreaks ? kConnectionBroken : kConnectionClosed;
}
void CloseConnection(Connection*) {}

// A program file's product name and version: the text after its headers,
// such as "Festmelder 1.2.0.28".
static bool ReadProgramFile(const std::string& path, char (&name)[32], unsigned (&part)[4]) {
    const std::string& bytes = World.Files[path];
    const char* text =
        bytes.c_str() + bytes.find_last_of('\0') + 1; // from the start without headers
    return !World.VersionLibraryMissing &&
           std::sscanf(text, "%31s %u.%u.%u.%u", name, &part[0], &part[1], &part[2], &part[3]) == 5;
}

VersionQuery QueryFileVersion(const std::string& path, std::uint32_t& mostSignificant,
                              std::uint32_t& leastSignificant) {
    unsigned part[4];
    char name[32];
    if (World.VersionLibraryMissing) return VersionQuery::LibraryMissing;
    if (!ReadProgramFile(path, name, part)) return VersionQuery::NoVersion;
    mostSignificant = part[0] << 16 | part[1];
    leastSignificant = part[2] << 16 | part[3];
    return VersionQuery::Read;
}

std::string QueryProductName(const std::string& path) {
    unsigned part[4];
    char name[32];
    return ReadProgramFile(path, name, part) ? name : "";
}

} // namespace platform
