#include <cstdio>
#include <cstdlib>

#include "platform/clock.h"
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

void Reset() {
    FailFileOperationAt(0);
    Messages.clear();
    NextAnswer = platform::kAnswerOk;
    ProgramFilePath.clear();
    PausedMilliseconds = 0;
    Semaphores.clear();
    Now = {2026, 12, 6, 8, 0, 0};
    VersionAnswer = platform::VersionQuery::NoVersion;
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
int StartProcess(const std::string&, const std::string&, const std::string&, int) { return 0; }
WindowsVersion ReadWindowsVersion() { return {true, true, 6, 1, true, true}; }
std::string InOemCodePage(const std::string& text) { return text; }
std::string QueryProductName(const std::string&) { return ""; }

unsigned Milliseconds() { return 0; }

// Downloads are tested against real sockets, under Wine; here there is no network.
int StartNetwork() { return 0; }
void StopNetwork() {}
Connection* OpenConnection(const std::string&, std::uint16_t) { return nullptr; }
int SendAll(Connection*, const std::string&, unsigned) { return 0; }
int WaitReceive(Connection*, char*, int, unsigned) { return kConnectionClosed; }
void CloseConnection(Connection*) {}

VersionQuery QueryFileVersion(const std::string&, std::uint32_t& mostSignificant,
                              std::uint32_t& leastSignificant) {
    mostSignificant = fake::VersionMostSignificant;
    leastSignificant = fake::VersionLeastSignificant;
    return fake::VersionAnswer;
}

int ShowMessage(const std::string& title, const std::string& text, unsigned style) {
    fake::Messages.push_back({title, text, style});
    std::fprintf(stderr, "[%s] %s (%#x)\n", title.c_str(), text.c_str(), style);
    return fake::NextAnswer;
}

} // namespace platform
