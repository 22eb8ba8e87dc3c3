// The platform layer against the real system under Wine: what only Windows shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>

#include "common/program_values.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "platform/sockets.h"
#include "platform/version_info.h"
#include "register/data_file.h"
#include "tests/support/loopback_server.h"
#include "tests/support/whole_file.h"
#include "update/download.h"
#include "update/publisher_signature.h"

namespace {

// A fresh folder with an umlaut in its name, for ANSI paths.
class Platform : public testing::Test {
  protected:
    std::string folder = std::string(getenv("TEMP")) + "\\Prüfung " +
                         std::to_string(GetTickCount()) + "\\",
                data = folder + "Festmelder.dat";

    void SetUp() override { ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder; }
    void TearDown() override {
        for (const char* name : {"Festmelder.dat", "alt.dat", "Festmelder.lnk", "datei.txt"})
            DeleteFileA((folder + name).c_str());
        RemoveDirectoryA(folder.c_str());
    }
};

// The end-to-end tests start with a data file and without one.
TEST_F(Platform, FileSizeTellsFilesMissingPathsAndFoldersApart) {
    EXPECT_EQ(platform::FileSize(folder + "fehlt\\datei.txt"), platform::kNoSuchPath);
    EXPECT_EQ(platform::FileSize(folder + "a|b"), platform::kCannotLook) << "an invalid name";
    EXPECT_EQ(platform::FileSize(folder), platform::kIsDirectory);
}

// The save puts a new file in the old one's place: another name of the old file keeps the old
// register. A file held open elsewhere stays as it was.
TEST_F(Platform, SaveRegisterReplacesTheDataFileInOneStepOrNotAtAll) {
    ProgramFolder = folder;
    std::ofstream(data, std::ios::binary) << "Neu\r\n2\r\n2\r\n0\r\n";
    LoadRegister();
    std::ofstream(data, std::ios::binary) << "Alt\r\n1\r\n1\r\n0\r\n";
    HANDLE held = CreateFileA(data.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    EXPECT_EQ(SaveRegister(), 0);
    CloseHandle(held);
    EXPECT_EQ(WholeFile(data), "Alt\r\n1\r\n1\r\n0\r\n");
    EXPECT_EQ(WholeFile(data + ".new"), "(none)");
    ASSERT_TRUE(CreateHardLinkA((folder + "alt.dat").c_str(), data.c_str(), nullptr));
    EXPECT_EQ(SaveRegister(), 1);
    EXPECT_EQ(WholeFile(data), "Neu\r\n2\r\n2\r\n0\r\n");
    EXPECT_EQ(WholeFile(folder + "alt.dat"), "Alt\r\n1\r\n1\r\n0\r\n");
}

// The old copy of the program may hold its file long after the new one came up.
TEST_F(Platform, RemoveFileWhenFreeTriesUntilTheFileIsLetGo) {
    HANDLE held = CreateFileA(data.c_str(), GENERIC_READ, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    platform::RemoveFileWhenFree(data, 30000);
    auto handleMessagesFor = [](DWORD milliseconds) { // the tries come as timer messages
        MSG message;
        for (DWORD start = GetTickCount(); GetTickCount() - start < milliseconds; Sleep(10))
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    };
    handleMessagesFor(1000);
    EXPECT_NE(platform::FileSize(data), platform::kNoSuchPath) << "removed while held";
    CloseHandle(held);
    handleMessagesFor(1000);
    EXPECT_EQ(platform::FileSize(data), platform::kNoSuchPath);
}

// At 0x3c the link file holds how its window shows and its hot key. Arguments, folder and icon
// change nothing for the program's own shortcut, which the end-to-end test starts.
TEST_F(Platform, AShortcutKeepsItsProperties) {
    platform::ShellLink link = {data, "/x", folder, "Festmelder", 7, 0x0646, "C:\\f.ico", 2};
    ASSERT_EQ(platform::CreateShellLink(link, folder + "Festmelder.lnk"), 1);
    std::string saved = WholeFile(folder + "Festmelder.lnk");
    EXPECT_EQ(saved.substr(0x3c, 6), std::string("\7\0\0\0\x46\x06", 6));
    EXPECT_NE(saved.find(data), std::string::npos);
    EXPECT_EQ(platform::CreateShellLink(link, folder + "fehlt\\Festmelder.lnk"), 0);
}

// The end-to-end update tests start programs, the swap script hidden.
TEST_F(Platform, StartProcessHandsAnAddressToTheShellAndFailsWithoutAProgram) {
    EXPECT_EQ(platform::StartProcess("http://www.festmelder.example/", "", "", 0), 1);
    EXPECT_EQ(platform::StartProcess(folder + "fehlt.exe", "", "", 0), 0);
}

TEST(Process, ASecondSemaphoreOfTheSameNameFindsTheFirst) {
    int first = 1, second = 0;
    ASSERT_TRUE(platform::CreateNamedSemaphore("Festmelder", first) &&
                platform::CreateNamedSemaphore("Festmelder", second));
    EXPECT_EQ(std::tie(first, second), std::make_tuple(0, 1));
}

// Look-alikes for what the OEM code page lacks („ as ", ‰ as %) would change the swap script.
TEST(Process, OnlyTextThatTheOemCodePageSpellsExactlyIsTaken) {
    std::string oem;
    for (const char* folder : {"C:\\Fotos „ & calc & “\\", "C:\\‰PATH‰\\", "C:\\€\\"})
        EXPECT_FALSE(platform::InOemCodePage(folder, oem)) << folder;
    EXPECT_TRUE(platform::InOemCodePage("C:\\Grüße, 100% & ÄÖÜ\\", oem));
}

// A value whose length leaves out its closing zero holds no name.
TEST_F(Platform, TheProductNameComesFromTheVersionResource) {
    EXPECT_EQ(platform::QueryProductName(FESTMELDER_EXE), "Festmelder");
    std::string copy = WholeFile(FESTMELDER_EXE),
                key(reinterpret_cast<const char*>(L"ProductName"), 24);
    copy.at(copy.find(key) - 4) = 10;
    std::ofstream(folder + "datei.txt", std::ios::binary) << copy;
    EXPECT_EQ(platform::QueryProductName(folder + "datei.txt"), "");
}

// Copies of a signed program's update, made by the end-to-end tests' sign-updates.
// The last has the digest in its signed content rewritten.
TEST(PublisherSignature, ASignedProgramTakesOnlyAnUpdateSignedWithItsKeyAndUnchangedSince) {
    auto fromThePublisher = [](const std::string& update) {
        return IsFromProgramsPublisher(FESTMELDER_SIGNED "\\program.exe",
                                       FESTMELDER_SIGNED "\\" + update + ".exe");
    };
    EXPECT_EQ(fromThePublisher("update-signed"), 1);
    for (const char* update :
         {"update-other-key", "update-changed", "update-bad-signature", "update-new-digest"})
        EXPECT_EQ(fromThePublisher(update), 0) << update;
}

// Over real sockets from a server that stays quiet after its answer: a megabyte of every byte
// value is done without waiting for the server to close; a body cut off fails after the 10 s wait.
TEST(Download, EndsWithTheWholeBodyOrWithNoFile) {
    ASSERT_EQ(platform::StartNetwork(), 1);
    std::string file = std::string(getenv("TEMP")) + "\\festmelder.upd", binary(1 << 20, '\0');
    for (std::size_t i = 0; i < binary.size(); i++) binary[i] = static_cast<char>(i * 7919 >> 5);
    const struct {
        std::string answer, written; // "(none)": the download failed and left no file
    } responses[] = {{OkResponse(binary) + "after the body", binary},
                     {"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\ncut off", "(none)"}};
    for (const auto& [answer, written] : responses) {
        LoopbackServer server(answer, 60000);
        DWORD start = GetTickCount();
        EXPECT_EQ(DownloadToFile(server.url, file), written != "(none)");
        DWORD took = GetTickCount() - start;
        EXPECT_TRUE(written == binary || (took >= 9000 && took < 20000)) << took << " ms";
        EXPECT_TRUE(WholeFile(file) == written) << WholeFile(file).substr(0, 60);
        DeleteFileA(file.c_str());
    }
}

} // namespace
