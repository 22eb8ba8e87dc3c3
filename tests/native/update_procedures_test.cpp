// The download and the update, against the platform layer's test doubles.
#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "register/data_file.h"
#include "tests/fakes/fake_platform.h"
#include "update/download.h"
#include "update/internet_update.h"

namespace {

using namespace fake;
using namespace platform;

// A program file for i386 and Windows' GUI: its headers with one section, its product name and
// version; cut off, the section's 64 KiB of data are missing.
std::string Program(const char* version, bool cutOff = false, std::string product = "Festmelder") {
    std::string headers(256, '\0');
    headers.replace(0, 2, "MZ");
    headers.replace(0x3c, 10, std::string("\x40\0\0\0PE\0\0\x4c\x01", 10));
    headers[0x46] = 1, headers[0x54] = 0x70, headers[0x9c] = 2; // sections, optional header, GUI
    headers[0xc8 + 16 + 2] = cutOff;
    return headers + product + " " + version;
}

std::string Served(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

// Done only with the whole body in the file, else no file is left. A server may trickle the
// body, 1 KiB at a time, but the whole download must end within 5 minutes.
TEST(Download, IsDoneOnlyWithTheWholeBodyInTheFile) {
    const std::string body(64 * 1024, 'x'), untilClose = "HTTP/1.1 200 OK\r\n\r\n" + body;
    const struct {
        std::string response;
        bool breaks;
        unsigned receiveTakes; // milliseconds
        int failingPoint;      // the file's create, each write, its close
        bool done;
    } cases[] = {{untilClose, false, 0, 0, true},
                 {untilClose, true, 0, 0, false},
                 {"HTTP/1.1 200 OK\r\nContent-Length: 99\r\n\r\nx", false, 0, 0, false},
                 {Served(body), false, 4000, 0, true},
                 {Served(body), false, 5000, 0, false},
                 {Served("ab"), false, 0, 1, false},
                 {Served("ab"), false, 0, 2, false},
                 {Served("ab"), false, 0, 3, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &c - cases);
        ResetProgramState();
        World.ServerResponse = c.response;
        World.ConnectionBreaks = c.breaks;
        World.ReceiveTakes = c.receiveTakes;
        World.FailingPoint = c.failingPoint;
        EXPECT_EQ(DownloadToFile("http://h/F", "F.upd"), c.done);
        EXPECT_TRUE(c.done ? World.Files["F.upd"] == body : !World.Files.count("F.upd"));
    }
}

// What a refused or failed update leaves: the boxes, the program's files by extension with the
// build number that each holds ("" for none) and the processes started.
struct Outcome {
    std::vector<Box> boxes;
    std::map<std::string, std::string> files;
    std::vector<Process> started;
};

// Runs an update that must fail, of build 27 in C:\T\Mein.exe unless the setup moves it.
template <class Setup>
void ExpectUpdate(std::string response, Setup setup, const Outcome& expected) {
    ResetProgramState();
    World.ProgramFilePath = "C:\\T\\Mein.exe";
    World.ServerResponse = response;
    DataFilePath = "C:\\T\\Festmelder.dat";
    setup();
    World.Files[World.ProgramFilePath] = Program("1.2.0.27");
    EXPECT_EQ(RunInternetUpdate("http://h/F", "http://home/"), 0);
    EXPECT_EQ(World.Boxes, expected.boxes);
    std::map<std::string, std::string> files;
    for (const auto& [path, bytes] : World.Files) {
        bool program = bytes.find("Festmelder ") != std::string::npos;
        files[path.substr(path.size() - 3)] = program ? bytes.substr(bytes.size() - 2) : "";
    }
    EXPECT_EQ(files, expected.files);
    EXPECT_EQ(World.Started, expected.started);
}

TEST(InternetUpdate, ARefusedUpdateLeavesTheProgramAndNoOtherFile) {
    const std::string newer = Served(Program("1.2.0.28"));
    std::string arm64 = Program("1.2.0.27"); // refused before its version is compared
    arm64.replace(0x44, 2, "\x64\xaa");
    const struct {
        std::vector<int> answers;
        std::string response;
        std::vector<Box> boxes;
    } cases[] = {
        {{kAnswerNo}, newer, {kQuestion}},
        {{kAnswerYes, kAnswerNo}, newer, {kQuestion, kQuestion}},
        {{}, "HTTP/1.1 200 OK\r\n\r\n" + Program("1.2.0.28", true), {kQuestion, kError}}, // cut off
        {{}, Served(arm64), {kQuestion, kError}},
        {{}, Served(Program("1.2.0.28", false, "Notepad")), {kQuestion, kError}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &c - cases);
        ExpectUpdate(c.response, [&] { World.Answers = c.answers; },
                     {c.boxes, {{"exe", "27"}}, {}});
    }
    ExpectUpdate(newer, [] { World.NetworkWorks = false; }, {{kError}, {{"exe", "27"}}, {}});
    // Without the version library both versions read as "" and so alike.
    ExpectUpdate(newer, [] { World.VersionLibraryMissing = true; },
                 {{kQuestion, kError, kError, kInformation}, {{"exe", "27"}}, {}});
}

// A swap that fails keeps the old program, renamed back if the new one cannot take its name,
// else calls the home page. Before Windows 2000 a hidden script swaps the files once the program
// has ended; one that the OEM code page cannot spell is never started.
TEST(InternetUpdate, AFailedSwapKeepsTheOldProgramOrCallsTheHomePage) {
    const Process script = {"C:\\T\\Mein.bat", "", "C:\\T\\", 1},
                  homePage = {"http://home/", "", "", 0};
    const struct {
        unsigned major; // of Windows NT
        std::set<int> failingRenames;
        bool processesStart;
        std::string program;
        std::map<std::string, std::string> files;
        std::vector<Process> started;
    } cases[] = {
        {6, {2}, true, "C:\\T\\Mein.exe", {{"exe", "27"}, {"upd", "28"}}, {}},
        {6, {2, 3}, true, "C:\\T\\Mein.exe", {{"tmp", "27"}, {"upd", "28"}}, {homePage}},
        {4, {}, false, "C:\\T\\Mein.exe", {{"bat", ""}, {"exe", "27"}, {"upd", "28"}}, {script}},
        {4, {}, true, "C:\\„ & calc & “\\M.exe", {{"exe", "27"}}, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &c - cases);
        auto setup = [&] {
            World.Windows.Major = c.major;
            World.FailingRenames = c.failingRenames;
            World.ProcessesStart = c.processesStart;
            World.ProgramFilePath = c.program;
        };
        ExpectUpdate(Served(Program("1.2.0.28")), setup,
                     {{kQuestion, kQuestion, kError}, c.files, c.started});
    }
}

} // namespace
