// "Internet Update" from this test's loopback server, which the test builds ask.
#include <fstream>

#include "tests/e2e/driver.h"
#include "tests/support/loopback_server.h"

namespace e2e {

const char kWineVersion[] = "Software\\Wine\\AppDefaults\\Festmelder.exe";
const std::string kSignedProgram = FESTMELDER_SIGNED "\\program.exe",
                  kSignedUpdate = FESTMELDER_SIGNED "\\update-signed.exe";

class Update : public Festmelder {
  protected:
    const std::string current = WholeFile(FESTMELDER_UPDATING), newer = WholeFile(FESTMELDER_NEWER);
    std::optional<LoopbackServer> server;

    void TearDown() override {
        Festmelder::TearDown();
        RegDeleteKeyA(HKEY_CURRENT_USER, kWineVersion);
    }
    // Serves the answer to the program, run as on Windows 98 or on XP.
    Result Serve(const std::optional<std::string>& answer, const std::string& program, bool win98) {
        RegSetKeyValueA(HKEY_CURRENT_USER, kWineVersion, "Version", REG_SZ,
                        win98 ? "win98" : "winxp", 6);
        server.reset();
        if (answer) server.emplace(*answer, 0, FESTMELDER_TEST_UPDATE_PORT);
        return Start(Record("Anna", 5, 3, 1987), program.c_str());
    }
};

// Windows 98 cannot rename a running program file: there a script swaps the
// files once the program has ended. The command interpreter reads it in the
// OEM code page, in which the folder's "ü" is 0x81, and takes the folder's
// "%" for the start of a variable unless it is doubled. A signed program takes an
// update signed with its key, an unsigned one takes it as any other. A
// read-only program file, as copied from a CD, is not in the way.
TEST_F(Update, ANewerVersionTakesThePlaceOfTheProgramFileAndRuns) {
    const std::string after = WholeFile(kSignedUpdate);
    for (auto [win98, program] :
         {std::pair{false, kSignedProgram}, std::pair{true, std::string(FESTMELDER_UPDATING)}}) {
        SCOPED_TRACE(win98 ? "Windows 98" : "Windows XP");
        const std::string before = WholeFile(program);
        ASSERT_TRUE(Serve(OkResponse(after), program, win98));
        SetFileAttributesA((folder + "Festmelder.exe").c_str(), FILE_ATTRIBUTE_READONLY);
        ASSERT_TRUE(Do({Click(kUpdate), Answer(IDYES, Boxes.updateQuestion),
                        Answer(IDYES, Boxes.installQuestion)}));
        EXPECT_EQ(Look().box, Boxes.installed);
        EXPECT_TRUE(File("Festmelder.exe") == (win98 ? before : after));
        EXPECT_TRUE(win98 ? File("Festmelder.bat").find("\\Pr\x81") != std::string::npos
                          : File("Festmelder.tmp") == before);
        ASSERT_TRUE(Answer(IDOK) && Restarted());
        EXPECT_TRUE(File("Festmelder.exe") == after);
        EXPECT_EQ(Look().entries.size(), 1u) << "the register, read by the new program";
        ASSERT_TRUE(Do({Click(kInfo), Answer(IDOK, Boxes.newAbout), Close()}) && Ended());
        EXPECT_TRUE(WaitUntil(
            [&] {
                return !Has("Festmelder.tmp") && !Has("Festmelder.upd") && !Has("Festmelder.bat");
            },
            "the rest gone", 10000));
    }
}

// Only a failed swap keeps the download, for another try. Which updates a
// signed program takes, the Windows tests tell.
TEST_F(Update, RefusalsAndFailuresLeaveTheProgramAsItWas) {
    struct Case {
        std::optional<std::string> served; // none: no server
        std::string program, box;
        bool win98; // Festmelder.bat, else Festmelder.tmp, held open in the way of the swap
    };
    const std::string updating = FESTMELDER_UPDATING;
    const Case cases[] = {{std::nullopt, updating, Boxes.noServer, false},
                          {OkResponse("<html>Wartung</html>"), updating, Boxes.notAnUpdate, false},
                          {OkResponse(current), updating, Boxes.sameVersion, false},
                          {OkResponse(newer), kSignedProgram, Boxes.notSigned, false},
                          {OkResponse(newer), updating, Boxes.swapFailed, false},
                          {OkResponse(newer), updating, Boxes.swapFailed, true}};
    for (const Case& row : cases) {
        SCOPED_TRACE("row " + std::to_string(&row - cases));
        bool swap = row.box == Boxes.swapFailed;
        ASSERT_TRUE(Serve(row.served, row.program, row.win98));
        std::string inTheWay = folder + (row.win98 ? "Festmelder.bat" : "Festmelder.tmp");
        if (swap) std::ofstream(inTheWay) << "old";
        HANDLE held = CreateFileA(inTheWay.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        ASSERT_TRUE(Do({Click(kUpdate), Answer(IDYES)}));
        ASSERT_TRUE(!swap || Answer(IDYES)); // to install it
        ASSERT_TRUE(Answer(IDOK, row.box));
        EXPECT_TRUE(Running() && File("Festmelder.exe") == WholeFile(row.program));
        EXPECT_EQ(Has("Festmelder.upd"), swap && !row.win98);
        CloseHandle(held);
    }
}

} // namespace e2e
