#include <gtest/gtest.h>

#include <filesystem>

#include "app/file_names.h"
#include "app/program_values.h"
#include "app/startup.h"
#include "platform/message_box.h"
#include "tests/fakes/fake_platform.h"
#include "tests/native/temp_folder.h"

namespace {

TEST(FileNames, SiblingFileNameReplacesOrAddsTheExtension) {
    EXPECT_EQ(SiblingFileName("C:\\Programme\\Festmelder.exe", "upd"),
              "C:\\Programme\\Festmelder.upd");
    EXPECT_EQ(SiblingFileName("C:\\Programme\\Festmelder", "tmp"), "C:\\Programme\\Festmelder.tmp");
    EXPECT_EQ(SiblingFileName("C:\\x\\a.exe.exe", "bat"), "C:\\x\\a.bat.bat");
    EXPECT_EQ(SiblingFileName("C:\\v1.0\\Festmelder", "tmp"), "C:\\v1.0\\Festmelder.tmp");
    EXPECT_EQ(SiblingFileName("C:/x/Fest.EXE", "tmp"), "C:/x/Fest.tmp");
    EXPECT_EQ(SiblingFileName("\"C:\\x\\a.exe\"", "bat"), "\"C:\\x\\a.bat\"");
}

TEST(FileNames, FolderOfKeepsTheLastSeparator) {
    EXPECT_EQ(FolderOf("C:\\Programme\\Festmelder.exe"), "C:\\Programme\\");
    EXPECT_EQ(FolderOf("Z:/work/a\\b/Festmelder.exe"), "Z:/work/a\\b/");
    EXPECT_EQ(FolderOf("Festmelder.exe"), "");
}

TEST(ProgramValues, VersionTextIsBuiltFromTheBuildNumber) {
    EXPECT_EQ(MakeProgramVersion(27), "1.2.27");
    fake::Reset();
    fake::ProgramFilePath = "C:\\Programme\\Festmelder.exe";
    SetProgramValues();
    EXPECT_EQ(ProgramVersion, "1.2.27");
    EXPECT_EQ(ProgramFolder, "C:\\Programme\\");
}

class Leftover : public ::testing::Test {
  protected:
    TempFolder folder;

    void SetUp() override {
        fake::Reset();
        fake::ProgramFilePath = folder.Path + "Festmelder.exe";
    }
};

TEST_F(Leftover, AnEmptyLeftoverIsRemovedAfterAPause) {
    folder.Write("Festmelder.tmp", "");
    RemoveUpdateLeftover();
    EXPECT_FALSE(folder.Exists("Festmelder.tmp"));
    EXPECT_EQ(fake::PausedMilliseconds, 1000u);
}

TEST_F(Leftover, NoLeftoverOrADirectoryMeansNoPause) {
    RemoveUpdateLeftover();
    EXPECT_EQ(fake::PausedMilliseconds, 0u);
    std::filesystem::create_directory(folder.Path + "Festmelder.tmp");
    RemoveUpdateLeftover();
    EXPECT_TRUE(folder.Exists("Festmelder.tmp"));
    EXPECT_EQ(fake::PausedMilliseconds, 0u);
}

TEST_F(Leftover, AProgramFileWithoutExtensionGetsDotTmp) {
    fake::ProgramFilePath = folder.Path + "Festmelder";
    folder.Write("Festmelder.tmp", "old program");
    RemoveUpdateLeftover();
    EXPECT_FALSE(folder.Exists("Festmelder.tmp"));
}

TEST(SingleInstance, TheFirstCopyGoesOn) {
    fake::Reset();
    EnsureSingleInstance("Festmelder");
    EXPECT_TRUE(fake::Messages.empty());
}

TEST(SingleInstanceDeathTest, ASecondCopyIsRefusedWithExitCodeZero) {
    fake::Reset();
    fake::Semaphores.insert("Festmelder");
    EXPECT_EXIT(EnsureSingleInstance("Festmelder"), ::testing::ExitedWithCode(0),
                "\\[Fehler\\] Das Programm ist bereits gestartet! \\(0x10\\)");
}

} // namespace
