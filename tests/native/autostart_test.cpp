#include <gtest/gtest.h>

#include "app/program_values.h"
#include "autostart/autostart.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "tests/fakes/fake_platform.h"
#include "tests/native/temp_folder.h"

namespace {

TEST(StartupFolder, GetsExactlyOneTrailingBackslash) {
    EXPECT_EQ(WithTrailingBackslash("C:\\Startup"), "C:\\Startup\\");
    EXPECT_EQ(WithTrailingBackslash("C:\\Startup\\"), "C:\\Startup\\");
    EXPECT_EQ(WithTrailingBackslash(""), "");
}

class Autostart : public ::testing::Test {
  protected:
    TempFolder folder;

    void SetUp() override {
        fake::Reset();
        fake::ResetWindow();
        fake::ProgramFilePath = "C:\\Programme\\Festmelder.exe";
        ProgramFolder = "C:\\Programme\\";
        fake::StartupFolder = folder.Path.substr(0, folder.Path.size() - 1); // no trailing slash
    }

    void Answer(int answer) {
        fake::NextAnswer = answer;
        ConfigureAutostart();
    }
};

TEST_F(Autostart, AsksWordForWord) {
    Answer(platform::kAnswerCancel);
    ASSERT_EQ(fake::Messages.size(), 1u);
    EXPECT_EQ(fake::Messages[0].Title, "Einstellungen");
    EXPECT_EQ(fake::Messages[0].Text, "Austostart Einstellungen für Festmelder:\t\r\n\r\n"
                                      "Aktivieren mit:\tJa\r\nDeaktivieren mit:\tNein");
    EXPECT_EQ(fake::Messages[0].Style, 0x33u);
    EXPECT_FALSE(folder.Exists("Festmelder.lnk"));
    EXPECT_EQ(fake::Beeps, 0);
}

TEST_F(Autostart, YesWritesTheShortcutAndNoRemovesIt) {
    Answer(platform::kAnswerYes);
    EXPECT_EQ(folder.Read("Festmelder.lnk"), "C:\\Programme\\Festmelder.exe");
    EXPECT_EQ(fake::Beeps, 1);
    fake::ProgramFilePath = "D:\\Neu\\Festmelder.exe";
    Answer(platform::kAnswerYes);
    EXPECT_EQ(folder.Read("Festmelder.lnk"), "D:\\Neu\\Festmelder.exe");
    EXPECT_EQ(fake::Beeps, 2);

    Answer(platform::kAnswerNo);
    EXPECT_FALSE(folder.Exists("Festmelder.lnk"));
    EXPECT_EQ(fake::Beeps, 3);
    Answer(platform::kAnswerNo); // nothing to remove: silence
    EXPECT_EQ(fake::Beeps, 3);
}

TEST_F(Autostart, FailuresAreSilent) {
    fake::ShortcutSaveFails = true;
    Answer(platform::kAnswerYes);
    EXPECT_EQ(fake::Beeps, 0);
    EXPECT_EQ(fake::Messages.size(), 1u);
}

TEST_F(Autostart, WithoutAStartupFolderNothingIsWrittenOrDeletedAnywhere) {
    fake::StartupFolder = "";
    folder.Write("Festmelder.lnk", "left alone");
    ApplyAutostartAnswer(platform::kAnswerYes, SpecialFolderPath(platform::kStartupFolder));
    ApplyAutostartAnswer(platform::kAnswerNo, SpecialFolderPath(platform::kStartupFolder));
    EXPECT_FALSE(std::filesystem::exists("Festmelder.lnk"));
    EXPECT_EQ(folder.Read("Festmelder.lnk"), "left alone");
    EXPECT_EQ(fake::Beeps, 0);
}

} // namespace
