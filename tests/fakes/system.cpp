#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/sockets.h"
#include "tests/fakes/fake_platform.h"

namespace fake {

std::vector<Message> Messages;
int NextAnswer = platform::kAnswerOk;
std::string ProgramFilePath;
unsigned PausedMilliseconds = 0;
std::set<std::string> Semaphores;
platform::LocalTime Now = {2026, 12, 6, 8, 0, 0};
platform::VersionQuery VersionAnswer = platform::VersionQuery::NoVersion;
std::uint32_t VersionMostSignificant = 0, VersionLeastSignificant = 0;

bool NetworkWorks = false;
int NetworkStarts = 0;
std::string ServerResponse;
std::vector<std::string> StartedProcesses;
bool ProcessesStart = true;
const platform::WindowsVersion kWindows7 = {true, true, 6, 1, true, true};
platform::WindowsVersion Windows = kWindows7;

std::string ProgramFileBytes(const std::string& version) { return "Festmelder " + version; }

void Reset() {
    FailFileOperationAt(0);
    Messages.clear();
    NextAnswer = platform::kAnswerOk;
    ProgramFilePath.clear();
    PausedMilliseconds = 0;
    Semaphores.clear();
    Now = {2026, 12, 6, 8, 0, 0};
    VersionAnswer = platform::VersionQuery::NoVersion;
    NetworkWorks = false;
    NetworkStarts = 0;
    ServerResponse.clear();
    StartedProcesses.clear();
    ProcessesStart = true;
    Windows = kWindows7;
    RenameFailures.clear();
}

} // namespace fake

namespace platform {

std::string ProgramFilePath() { return fake::ProgramFilePath; }

void PauseMilliseconds(unsigned milliseconds) { fake::PausedMilliseconds += milliseconds; }

int CreateNamedSemaphore(const std::string& name, int& alreadyExisted) {
    alreadyExisted = !fake::Semaphores.insert(name).second;
    return 1;
}

// Death tests read how the program ended from its exit code and stderr.
void ExitProgram(int exitCode) {
    std::fflush(stderr);
    std::_Exit(exitCode);
}

LocalTime ReadLocalTime() { return fake::Now; }

void ReleaseNamedSemaphore() {}

int StartProcess(const std::string& file, const std::string& parameters,
                 const std::string& workingDirectory, int hidden) {
    fake::StartedProcesses.push_back(file + "|" + parameters + "|" + workingDirectory + "|" +
                                     std::to_string(hidden));
    return fake::ProcessesStart;
}

WindowsVersion ReadWindowsVersion() { return fake::Windows; }
std::string InOemCodePage(const std::string& text) { return text; }

unsigned Milliseconds() { return 0; }

int StartNetwork() {
    fake::NetworkStarts++;
    return fake::NetworkWorks;
}
void StopNetwork() {}

// A connection hands out the server's response as fast as it is read, then ends.
struct Connection {
    std::size_t Sent = 0;
};

Connection* OpenConnection(const std::string&, std::uint16_t, unsigned) {
    return fake::ServerResponse.empty() ? nullptr : new Connection;
}
int SendAll(Connection*, const std::string&, unsigned) { return 1; }
int WaitReceive(Connection* connection, char* buffer, int size, unsigned) {
    std::size_t count =
        std::min(static_cast<std::size_t>(size), fake::ServerResponse.size() - connection->Sent);
    if (count == 0) return kConnectionClosed;
    std::memcpy(buffer, fake::ServerResponse.data() + connection->Sent, count);
    connection->Sent += count;
    return static_cast<int>(count);
}
void CloseConnection(Connection* connection) { delete connection; }

// The version of a program file of the fake world, or of any other file the
// version set in VersionAnswer.
VersionQuery QueryFileVersion(const std::string& path, std::uint32_t& mostSignificant,
                              std::uint32_t& leastSignificant) {
    mostSignificant = fake::VersionMostSignificant;
    leastSignificant = fake::VersionLeastSignificant;
    std::string bytes;
    unsigned parts[4];
    if (fake::VersionAnswer == VersionQuery::LibraryMissing || !ReadWholeFile(path, bytes) ||
        std::sscanf(bytes.c_str(), "Festmelder %u.%u.%u.%u", &parts[0], &parts[1], &parts[2],
                    &parts[3]) != 4)
        return fake::VersionAnswer;
    mostSignificant = parts[0] << 16 | parts[1];
    leastSignificant = parts[2] << 16 | parts[3];
    return VersionQuery::Read;
}

std::string QueryProductName(const std::string& path) {
    std::string bytes;
    return fake::VersionAnswer != VersionQuery::LibraryMissing && ReadWholeFile(path, bytes) &&
                   bytes.rfind("Festmelder ", 0) == 0
               ? "Festmelder"
               : "";
}

int ShowMessage(const std::string& title, const std::string& text, unsigned style) {
    fake::Messages.push_back({title, text, style});
    std::fprintf(stderr, "[%s] %s (%#x)\n", title.c_str(), text.c_str(), style);
    return fake::NextAnswer;
}

} // namespace platform
