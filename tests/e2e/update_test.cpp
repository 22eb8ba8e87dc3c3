// "Internet Update" against a server of this test program on the loopback
// interface: the program under test is a 1.2.0.27 that updates from there,
// FESTMELDER_NEWER_PROGRAM and FESTMELDER_OLDER_PROGRAM are copies of it as
// 1.2.0.28 and 1.2.0.26, and FESTMELDER_UPDATE_PORT is the port they ask.
#include <winsock.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>

#include "tests/e2e/festmelder_test.h"
#include "tests/support/loopback_server.h"

namespace festmelder {
namespace {

const BoxLooks StartQuestion = {"Update Information",
                                "M\xF6"
                                "chten Sie den Update Prozess starten?",
                                {IDYES, IDNO},
                                "exclamation"};
const BoxLooks NoServerBox = {
    "Update Fehler", "Keine Verbindung zum Update Server!", {IDOK}, "error"};
const BoxLooks SameVersionBox = {
    "Update Information", "Sie haben bereits die aktuellste Version!", {IDOK}, "information"};
const BoxLooks NotAnUpdateBox = {
    "Update Fehler", "Die heruntergeladene Datei ist kein g\xFCltiges Update!", {IDOK}, "error"};
const BoxLooks SwapFailedBox = {"Update Fehler",
                                "Es ist ein Fehler w\xE4hrend\r\ndes Update Prozesses aufgetreten!",
                                {IDOK},
                                "error"};
const BoxLooks InstalledBox = {
    "Update Information",
    "Das Update wurde erfolgreich installiert.\r\nDas Programm wird nun neu gestartet!",
    {IDOK},
    "information"};

BoxLooks InstallQuestion(const std::string& updateVersion) {
    return {"Update Information",
            "Lokale Dateiversion:\t1.2.0.27\t\r\nUpdate Dateiversion:\t" + updateVersion +
                "\r\n\r\nM\xF6"
                "chten Sie das Update installieren?",
            {IDYES, IDNO},
            "exclamation"};
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

const char kWineAppDefaults[] = "Software\\Wine\\AppDefaults\\Festmelder.exe";

class Update : public FestmelderTest {
  protected:
    std::string newer = ui::ReadWholeFile(Environment("FESTMELDER_NEWER_PROGRAM"));
    std::string older = ui::ReadWholeFile(Environment("FESTMELDER_OLDER_PROGRAM"));
    std::string current = ui::ReadWholeFile(ui::ProgramUnderTest());
    std::unique_ptr<LoopbackServer> server;

    void SetUp() override {
        WSADATA sockets;
        ASSERT_EQ(WSAStartup(0x0101, &sockets), 0);
        ASSERT_FALSE(newer.empty() || older.empty() || current.empty()) << "the three programs";
        RegDeleteKeyA(HKEY_CURRENT_USER, kWineAppDefaults);
    }
    void TearDown() override {
        FestmelderTest::TearDown();
        server.reset();
        RegDeleteKeyA(HKEY_CURRENT_USER, kWineAppDefaults);
        WSACleanup();
    }

    void Serve(const std::string& response) {
        unsigned short port =
            static_cast<unsigned short>(std::atoi(Environment("FESTMELDER_UPDATE_PORT").c_str()));
        server = std::make_unique<LoopbackServer>(std::vector<std::string>{response}, 0, port);
    }
    // Makes Wine tell the program that it runs on Windows 98.
    void PretendWindows98() {
        HKEY key;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kWineAppDefaults, &key), ERROR_SUCCESS);
        const char version[] = "win98";
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       sizeof version);
        RegCloseKey(key);
    }
    // Starts the update and answers its first question; the download follows.
    testing::AssertionResult StartUpdate(int answer) {
        testing::AssertionResult clicked = Click(kUpdate);
        return clicked ? Answer(StartQuestion, answer) : clicked;
    }
    std::optional<std::string> File(const std::string& name) { return ui::ReadAppFile(app, name); }
    // What the folder holds besides the program file and its data file.
    std::vector<std::string> OtherFiles() {
        std::vector<std::string> names = ui::AppFolderNames(app);
        names.erase(std::remove_if(names.begin(), names.end(),
                                   [](const std::string& name) {
                                       return name == "Festmelder.exe" || name == "Festmelder.dat";
                                   }),
                    names.end());
        return names;
    }
    // Serves 1.2.0.28 to the program, started with a register, and agrees to
    // the update, up to the box that tells it was installed.
    testing::AssertionResult InstallNewer(ui::MessageBoxInfo& installed) {
        Serve(OkResponse(newer));
        testing::AssertionResult done = Start(Record("Anna", 5, 3, 1987));
        if (done) done = StartUpdate(IDYES);
        if (done) done = Answer(InstallQuestion("1.2.0.28"), IDYES);
        return done ? ShowsBox(InstalledBox, installed) : done;
    }
    testing::AssertionResult ShowsVersion(const std::string& version) {
        testing::AssertionResult clicked = Click(kInfo);
        if (!clicked) return clicked;
        ui::MessageBoxInfo box;
        testing::AssertionResult shown = ui::WaitForMessageBox(app, box);
        if (!shown) return shown;
        ui::AnswerMessageBox(box, IDOK);
        if (box.text.find("\r\nVersion: " + version + "\r\n") == std::string::npos)
            return testing::AssertionFailure() << "the About box says " << box.text;
        return testing::AssertionSuccess();
    }
};

using Files = std::vector<std::string>;

TEST_F(Update, ANewerVersionReplacesTheProgramFileAndRestartsIt) {
    ui::MessageBoxInfo installed;
    ASSERT_TRUE(InstallNewer(installed));
    EXPECT_EQ(server->Request().substr(0, 31), "GET /Festmelder.upd HTTP/1.1\r\nA");
    EXPECT_TRUE(File("Festmelder.exe") == newer) << "the new program file in the old one's place";
    EXPECT_TRUE(File("Festmelder.tmp") == current) << "the running one moved aside";
    EXPECT_EQ(OtherFiles(), Files{"Festmelder.tmp"});

    ASSERT_TRUE(ui::AnswerMessageBox(installed, IDOK));
    DWORD exitCode = 1;
    ASSERT_TRUE(ui::WaitForExit(app, exitCode));
    EXPECT_EQ(exitCode, 0u);
    ASSERT_TRUE(ui::WaitForSuccessor(app));
    EXPECT_TRUE(ShowsVersion("1.2.28"));
    EXPECT_TRUE(ui::WaitUntil([&] { return OtherFiles().empty(); }, "the old file removed"))
        << OtherFiles().size();
    EXPECT_EQ(RegisterLines().size(), 1u) << "the register read by the new program";
}

TEST_F(Update, OnWindows98AScriptSwapsTheFilesAfterTheProgramHasEnded) {
    PretendWindows98();
    ui::MessageBoxInfo installed;
    ASSERT_TRUE(InstallNewer(installed));
    // The script waits for the running program to end.
    std::string program = app.folder + "Festmelder.exe", update = app.folder + "Festmelder.upd",
                script = app.folder + "Festmelder.bat";
    EXPECT_TRUE(File("Festmelder.bat") ==
                "@ECHO OFF\r\n:MARKE\r\nDEL \"" + program + "\"\r\nIF EXIST \"" + program +
                    "\" GOTO MARKE\r\nREN \"" + update + "\" \"Festmelder.exe\"\r\n\"" + program +
                    "\"\r\nDEL \"" + script + "\"\r\n");
    EXPECT_TRUE(File("Festmelder.exe") == current);
    EXPECT_TRUE(File("Festmelder.upd") == newer);

    ASSERT_TRUE(ui::AnswerMessageBox(installed, IDOK));
    DWORD exitCode = 1;
    ASSERT_TRUE(ui::WaitForExit(app, exitCode));
    ASSERT_TRUE(ui::WaitForSuccessor(app));
    EXPECT_TRUE(File("Festmelder.exe") == newer);
    EXPECT_TRUE(ShowsVersion("1.2.28"));
    // The command interpreter waits for the program it started before the
    // script deletes itself.
    ui::CloseMainWindow(app);
    ASSERT_TRUE(ui::WaitForExit(app, exitCode));
    EXPECT_TRUE(ui::WaitUntil([&] { return OtherFiles().empty(); }, "the script gone"))
        << OtherFiles().size();
}

TEST_F(Update, TheSameVersionIsNotInstalled) {
    Serve(OkResponse(current));
    ASSERT_TRUE(Start(std::nullopt));
    ASSERT_TRUE(StartUpdate(IDYES));
    ASSERT_TRUE(Answer(SameVersionBox, IDOK));
    EXPECT_EQ(OtherFiles(), Files{});
    EXPECT_TRUE(IsRunning(app));
}

TEST_F(Update, DecliningEitherQuestionLeavesNoFile) {
    Serve(OkResponse(older));
    ASSERT_TRUE(Start(std::nullopt));
    ASSERT_TRUE(StartUpdate(IDNO));
    EXPECT_EQ(OtherFiles(), Files{});
    // An older version is offered like a newer one.
    ASSERT_TRUE(StartUpdate(IDYES));
    ASSERT_TRUE(Answer(InstallQuestion("1.2.0.26"), IDNO));
    EXPECT_EQ(OtherFiles(), Files{});
    EXPECT_TRUE(File("Festmelder.exe") == current);
}

TEST_F(Update, AnEarlierUpdatesOldFileStopsTheSwapAndKeepsTheProgram) {
    Serve(OkResponse(newer));
    ASSERT_TRUE(Start(std::nullopt));
    // Left from an update whose old copy was still ending at the next start.
    std::ofstream(app.folder + "Festmelder.tmp", std::ios::binary) << "old";
    ASSERT_TRUE(StartUpdate(IDYES));
    ASSERT_TRUE(Answer(InstallQuestion("1.2.0.28"), IDYES));
    ASSERT_TRUE(Answer(SwapFailedBox, IDOK));
    EXPECT_TRUE(File("Festmelder.exe") == current);
    EXPECT_TRUE(File("Festmelder.tmp") == "old");
    EXPECT_TRUE(File("Festmelder.upd") == newer) << "the download stays";
    EXPECT_TRUE(IsRunning(app));
}

TEST_F(Update, WithoutAServerOrAProgramFileNothingIsOffered) {
    ASSERT_TRUE(Start(std::nullopt));
    ASSERT_TRUE(StartUpdate(IDYES));
    ASSERT_TRUE(Answer(NoServerBox, IDOK));
    EXPECT_EQ(OtherFiles(), Files{});

    Serve(OkResponse("<html>Wartungsarbeiten</html>"));
    ASSERT_TRUE(StartUpdate(IDYES));
    ASSERT_TRUE(Answer(NotAnUpdateBox, IDOK));
    EXPECT_EQ(OtherFiles(), Files{});
    EXPECT_TRUE(IsRunning(app));
}

} // namespace
} // namespace festmelder
