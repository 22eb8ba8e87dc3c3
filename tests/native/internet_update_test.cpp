// The update's ways through its questions, the download and the swap, in a
// folder of its own with a fake server, version library and process start.
#include <gtest/gtest.h>

#include "platform/message_box.h"
#include "register/data_file.h"
#include "tests/fakes/fake_platform.h"
#include "tests/native/temp_folder.h"
#include "update/internet_update.h"
#include "update/update_rules.h"

namespace {

const char kHomePage[] = "http://www.festmelder.example/freeware.htm";
const char kSwapFailed[] = "Es ist ein Fehler während\r\ndes Update Prozesses aufgetreten!";

class InternetUpdate : public testing::Test {
  protected:
    TempFolder folder;

    void SetUp() override {
        fake::Reset();
        NetworkReady = 0;
        fake::NetworkWorks = true;
        fake::NextAnswer = platform::kAnswerYes;
        // A program file under a name of the user's own.
        fake::ProgramFilePath = folder.Path + "Geburtstage.exe";
        DataFilePath = folder.Path + "Festmelder.dat";
        folder.Write("Geburtstage.exe", fake::ProgramFileBytes("1.2.0.27"));
    }
    void Serve(const std::string& body) {
        fake::ServerResponse =
            "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
    }
    int Run() { return RunInternetUpdate("http://127.0.0.1/Festmelder.upd", kHomePage); }
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const fake::Message& message : fake::Messages) texts.push_back(message.Text);
        return texts;
    }
};

using Texts = std::vector<std::string>;

TEST_F(InternetUpdate, WithoutNetworkItSaysSoAndEndsNothing) {
    fake::NetworkWorks = false;
    EXPECT_EQ(Run(), 0);
    ASSERT_EQ(fake::Messages.size(), 1u);
    EXPECT_EQ(fake::Messages[0].Title, "Update Fehler");
    EXPECT_EQ(fake::Messages[0].Text, "Fehler in Netzwerkverbindung!");
    EXPECT_EQ(fake::Messages[0].Style, 0x10u);
    EXPECT_EQ(NetworkReady, 0);
}

TEST_F(InternetUpdate, TheNetworkStartsOnceEvenWhenTheUpdateIsDeclined) {
    fake::NextAnswer = platform::kAnswerNo;
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(fake::NetworkStarts, 1);
    EXPECT_EQ(NetworkReady, 1);
    EXPECT_EQ(fake::Messages.size(), 2u);
    EXPECT_EQ(fake::Messages[0].Style, 0x34u);
    EXPECT_FALSE(folder.Exists("Geburtstage.upd"));
}

TEST_F(InternetUpdate, WithoutTheVersionLibraryBothVersionsAreEmptyAndEqual) {
    Serve(fake::ProgramFileBytes("1.2.0.28"));
    fake::VersionAnswer = platform::VersionQuery::LibraryMissing;
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(
        MessageTexts(),
        (Texts{"Möchten Sie den Update Prozess starten?", "Versionsprüfung fehlgeschlagen!",
               "Versionsprüfung fehlgeschlagen!", "Sie haben bereits die aktuellste Version!"}));
    EXPECT_FALSE(folder.Exists("Geburtstage.upd"));
}

TEST_F(InternetUpdate, TheRenameRouteStartsTheNewFileUnderTheProgramsOwnName) {
    Serve(fake::ProgramFileBytes("1.2.0.28"));
    EXPECT_EQ(Run(), 1);
    EXPECT_EQ(folder.Read("Geburtstage.exe"), fake::ProgramFileBytes("1.2.0.28"));
    EXPECT_EQ(folder.Read("Geburtstage.tmp"), fake::ProgramFileBytes("1.2.0.27"));
    EXPECT_EQ(fake::Messages.back().Style, 0x40u);
    // The program reads no parameters, so the new copy is given none.
    EXPECT_EQ(fake::StartedProcesses,
              Texts{folder.Path + "Geburtstage.exe||" + folder.Path + "|0"});
}

TEST_F(InternetUpdate, AFailedSwapPutsTheProgramFileBackOrCallsTheHomePage) {
    Serve(fake::ProgramFileBytes("1.2.0.28"));
    fake::RenameFailures = {false, true}; // the new file cannot take the program's name
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(fake::Messages.back().Text, kSwapFailed);
    EXPECT_EQ(folder.Read("Geburtstage.exe"), fake::ProgramFileBytes("1.2.0.27"));
    EXPECT_TRUE(folder.Exists("Geburtstage.upd"));
    EXPECT_FALSE(folder.Exists("Geburtstage.tmp"));
    EXPECT_TRUE(fake::StartedProcesses.empty());

    fake::Messages.clear();
    fake::RenameFailures = {false, true, true}; // and the old one cannot get it back
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(fake::Messages.back().Text,
              "die Programmdatei ist beim Update beschädigt worden!\r\n"
              "Sie müssen das Programm neu laden!\r\n\r\nDie Home Page wird nun aufgerufen!");
    EXPECT_EQ(fake::Messages.back().Style, 0x10u);
    EXPECT_FALSE(folder.Exists("Geburtstage.exe"));
    EXPECT_TRUE(folder.Exists("Geburtstage.tmp"));
    EXPECT_TRUE(folder.Exists("Geburtstage.upd"));
    EXPECT_EQ(fake::StartedProcesses, Texts{std::string(kHomePage) + "|||0"});
}

TEST_F(InternetUpdate, OnWindows98AScriptThatCannotStartLeavesItAndTheUpdate) {
    Serve(fake::ProgramFileBytes("1.2.0.28"));
    fake::Windows = {true, false, 4, 10, false, false};
    fake::ProcessesStart = false;
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(fake::Messages.back().Text, kSwapFailed);
    std::string program = folder.Path + "Geburtstage.exe", script = folder.Path + "Geburtstage.bat";
    EXPECT_EQ(folder.Read("Geburtstage.bat"),
              SwapScript(program, folder.Path + "Geburtstage.upd", script));
    EXPECT_TRUE(folder.Exists("Geburtstage.upd"));
    EXPECT_EQ(fake::StartedProcesses, Texts{script + "||" + folder.Path + "|1"});
}

TEST_F(InternetUpdate, AFileThatIsNotAProgramOfOursIsNeverOffered) {
    Serve("<html>Wartungsarbeiten</html>");
    EXPECT_EQ(Run(), 0);
    ASSERT_EQ(fake::Messages.size(), 2u);
    EXPECT_EQ(fake::Messages[1].Title, "Update Fehler");
    EXPECT_EQ(fake::Messages[1].Text, "Die heruntergeladene Datei ist kein gültiges Update!");
    EXPECT_EQ(fake::Messages[1].Style, 0x10u);
    EXPECT_FALSE(folder.Exists("Geburtstage.upd"));
}

} // namespace
