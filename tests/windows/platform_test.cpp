// The platform layer against the real system, run under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include <objbase.h>

#include "app/program_values.h"
#include "autostart/autostart.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "register/data_file.h"
#include "register/data_file_format.h"
#include "reminder/calendar.h"
#include "tests/support/shortcut_reader.h"
#include "update/file_version.h"

namespace {

std::string FestmelderExe; // from the command line, as a Unix path

// A fresh folder under the system's temporary folder, with an umlaut in its
// name so that ANSI paths are shown to work.
class WindowsFolder : public ::testing::Test {
  protected:
    std::string folder;

    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "Festmelder Prüfung " + std::to_string(GetTickCount()) + "\\";
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
    }
    void TearDown() override {
        for (const char* name :
             {"Festmelder.dat", "Festmelder.dat.new", "datei.txt", "Festmelder.lnk"})
            DeleteFileA((folder + name).c_str());
        RemoveDirectoryA((folder + "ordner").c_str());
        RemoveDirectoryA(folder.c_str());
    }

    std::string Read(const std::string& name) {
        std::ifstream in(folder + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::ofstream(folder + name, std::ios::binary) << bytes;
    }
};

TEST_F(WindowsFolder, FileSizeTellsFilesMissingPathsAndDirectoriesApart) {
    Write("datei.txt", "12345");
    EXPECT_EQ(platform::FileSize(folder + "datei.txt"), 5);
    Write("datei.txt", "");
    EXPECT_EQ(platform::FileSize(folder + "datei.txt"), 0);
    EXPECT_EQ(platform::FileSize(folder + "fehlt.txt"), platform::kNoSuchPath);
    CreateDirectoryA((folder + "ordner").c_str(), nullptr);
    EXPECT_EQ(platform::FileSize(folder + "ordner"), platform::kIsDirectory);
}

TEST_F(WindowsFolder, RegisterRoundTripsThroughTheDataFile) {
    const std::string bytes = "J\xFCrgen \xC4\xDF\x80\r\n31\r\n2\r\n-5\r\n\r\n24\r\n12\r\n0\r\n";
    Write("Festmelder.dat", bytes);
    ProgramFolder = folder;
    Register = {};
    LoadRegister();
    ASSERT_EQ(RecordCount(Register), 2u);
    EXPECT_EQ(Register.Records[0].Name, "J\xFCrgen \xC4\xDF\x80");
    DirtyFlag = 1;
    EXPECT_EQ(SaveRegister(), 1);
    EXPECT_EQ(DirtyFlag, 0);
    EXPECT_EQ(Read("Festmelder.dat"), bytes);
}

TEST_F(WindowsFolder, SaveOverALockedFileKeepsTheOldFile) {
    Write("Festmelder.dat", "Alt\r\n1\r\n1\r\n0\r\n");
    ProgramFolder = folder;
    Register = ParseDataFile("Neu\r\n2\r\n2\r\n0\r\n");
    DirtyFlag = 1;
    HANDLE lock = CreateFileA((folder + "Festmelder.dat").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(SaveRegister(), 0);
    CloseHandle(lock);
    EXPECT_EQ(DirtyFlag, 1);
    EXPECT_EQ(Read("Festmelder.dat"), "Alt\r\n1\r\n1\r\n0\r\n");
    EXPECT_EQ(platform::FileSize(folder + "Festmelder.dat.new"), platform::kNoSuchPath);
}

TEST_F(WindowsFolder, ShellLinkKeepsEveryProperty) {
    platform::ShellLink link = {"C:\\Programme\\F\xFCr mich\\Festmelder.exe",
                                "",
                                "C:\\Programme\\F\xFCr mich\\",
                                "Festmelder",
                                1,
                                0,
                                "C:\\Programme\\F\xFCr mich\\Festmelder.exe",
                                0};
    ASSERT_EQ(platform::CreateShellLink(link, folder + "Festmelder.lnk"), 1);
    CoInitialize(nullptr);
    EXPECT_EQ(ShortcutProperties(folder + "Festmelder.lnk"),
              "target C:\\Programme\\F\xFCr mich\\Festmelder.exe\narguments \n"
              "folder C:\\Programme\\F\xFCr mich\\\ndescription Festmelder\nshow 1\nhot key 0\n"
              "icon C:\\Programme\\F\xFCr mich\\Festmelder.exe,0");
    CoUninitialize();
    EXPECT_EQ(platform::CreateShellLink(link, folder + "fehlt\\Festmelder.lnk"), 0);
}

TEST(Shell, StartupFolderEndsInOneBackslash) {
    std::string startup = SpecialFolderPath(platform::kStartupFolder);
    ASSERT_GT(startup.size(), 3u);
    EXPECT_EQ(startup.back(), '\\');
    EXPECT_NE(startup[startup.size() - 2], '\\');
    EXPECT_EQ(platform::FileSize(startup), platform::kIsDirectory) << startup;
}

TEST(Shell, WithoutAStartupFolderNoShortcutIsWrittenAnywhere) {
    const int kNoSuchFolder = 0x7F;
    ASSERT_EQ(SpecialFolderPath(kNoSuchFolder), "");
    ApplyAutostartAnswer(platform::kAnswerYes, SpecialFolderPath(kNoSuchFolder));
    EXPECT_EQ(platform::FileSize("Festmelder.lnk"), platform::kNoSuchPath);
    EXPECT_EQ(platform::FileSize("C:\\Festmelder.lnk"), platform::kNoSuchPath);
    EXPECT_EQ(platform::FileSize("\\Festmelder.lnk"), platform::kNoSuchPath);
}

TEST(Process, ProgramFilePathNamesTheRunningExe) {
    std::string path = platform::ProgramFilePath();
    EXPECT_NE(path.find("festmelder_windows_tests.exe"), std::string::npos) << path;
    EXPECT_EQ(path.find_first_of("\\/"), 2u) << path; // a drive letter, then the path
}

TEST(Process, ASecondSemaphoreOfTheSameNameAlreadyExists) {
    int alreadyExisted = 1;
    ASSERT_EQ(platform::CreateNamedSemaphore("Festmelder", alreadyExisted), 1);
    EXPECT_EQ(alreadyExisted, 0);
    HANDLE second = CreateSemaphoreA(nullptr, 0, 1, "Festmelder");
    EXPECT_EQ(GetLastError(), 183u);
    CloseHandle(second);
    ASSERT_EQ(platform::CreateNamedSemaphore("Festmelder", alreadyExisted), 1);
    EXPECT_EQ(alreadyExisted, 1);
}

TEST_F(WindowsFolder, StartProcessRunsProgramsAndHandsAddressesToTheShell) {
    // The parameters go on the command line as they are; the program runs
    // in the given folder.
    ASSERT_EQ(platform::StartProcess("C:\\windows\\system32\\cmd.exe", "/c echo started>datei.txt",
                                     folder, 1),
              1);
    for (int waited = 0; Read("datei.txt").empty() && waited < 5000; waited += 50) Sleep(50);
    EXPECT_EQ(Read("datei.txt"), "started\r\n");
    EXPECT_EQ(platform::StartProcess("http://www.festmelder.example/freeware.htm", "", "", 0), 1);
    EXPECT_EQ(platform::StartProcess(folder + "fehlt.exe", "", "", 0), 0);
}

TEST(Clock, CurrentDateIsTheLocalWallClockTime) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    DateValue today = CurrentDate();
    EXPECT_EQ(YearOf(today), now.wYear);
    EXPECT_EQ(MonthOf(today), now.wMonth);
    EXPECT_EQ(WeekdayOf(today), now.wDayOfWeek);
}

std::string VersionValue(const std::vector<char>& info, const std::string& key) {
    char* value = nullptr;
    UINT length = 0;
    std::string path = "\\StringFileInfo\\040704E4\\" + key;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
        return "(missing)";
    return std::string(value, length > 0 ? length - 1 : 0);
}

TEST(ProgramFile, CarriesItsVersionResource) {
    std::string exe = "Z:" + FestmelderExe;
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(exe.c_str(), &handle);
    ASSERT_GT(size, 0u) << exe;
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, size, info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010002u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x0000001Bu);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010002u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x0000001Bu);

    EXPECT_EQ(VersionValue(info, "FileVersion"), "1.2.27");
    EXPECT_EQ(VersionValue(info, "ProductVersion"), "1.2");
    EXPECT_EQ(VersionValue(info, "FileDescription"), "Festmelder");
    EXPECT_EQ(VersionValue(info, "ProductName"), "Festmelder");
    EXPECT_EQ(VersionValue(info, "OriginalFilename"), "Festmelder.exe");
    EXPECT_EQ(VersionValue(info, "Beschreibung"),
              "Erinnert t\xE4glich an anstehende Termine (Autostart in den Einstellungen "
              "aktivieren) - Dieses Programm ist Freeware");
    std::string built = VersionValue(info, "Erstellt am");
    std::string shape = built;
    for (char& c : shape)
        if (c >= '0' && c <= '9') c = 'd';
    EXPECT_EQ(shape, "dd.dd.dddd - dd:dd:dd") << built;
}

TEST(ProgramFile, FileVersionTextReadsTheVersionResource) {
    EXPECT_EQ(FileVersionText("Z:" + FestmelderExe), "1.2.0.27");
    // This test program has no version resource.
    EXPECT_EQ(FileVersionText(platform::ProgramFilePath()), "");
    EXPECT_EQ(FileVersionText("Z:\\no\\such\\file.exe"), "");
}

TEST(ProgramFile, CarriesItsIconAndManifest) {
    std::string exe = "Z:" + FestmelderExe;
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    EXPECT_NE(FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)),
              nullptr); // icon group
    HRSRC manifest = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(manifest, nullptr);
    std::string text(static_cast<const char*>(LockResource(LoadResource(module, manifest))),
                     SizeofResource(module, manifest));
    EXPECT_NE(text.find("Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""),
              std::string::npos);
    FreeLibrary(module);
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc > 1) FestmelderExe = argv[1];
    return RUN_ALL_TESTS();
}
