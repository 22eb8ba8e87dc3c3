// "Internet Update" from this test's loopback server, which the test builds ask.
#include <fstream>

#include "tests/e2e/driver.h"
#include "tests/support/loopback_server.h"

namespace e2e {

const char kWineVersion[] = "Software\\Wine\\AppDefaults\\Festmelder.exe";

class Update : public Festmelder {
  protected:
    const std::string current = ReadFile(FESTMELDER_UPDATING), newer = ReadFile(FESTMELDER_NEWER);
    std::optional<LoopbackServer> server;

    // Copies signed with a key "a", or with another key, or spoiled after signing.
    static std::string Signed(const std::string& name) {
        return FESTMELDER_SIGNED "\\" + name + ".exe";
    }

    void TearDown() override {
        Festmelder::TearDown();
        RegDeleteKeyA(HKEY_CURRENT_USER, kWineVersion);
    }
    testing::AssertionResult Serve(const std::optional<std::string>& answer,
                                   const std::string& program = FESTMELDER_UPDATING) {
        server.reset();
        if (answer) server.emplace(*answer, 0, FESTMELDER_TEST_UPDATE_PORT);
        return Start(Record("Anna", 5, 3, 1987), program.c_str());
    }
};

// Windows 98 cannot rename a running program file: there a script swaps the
// files once the program has ended. The command interpreter reads it in the
// OEM code page, in which the folder's "ü" is 0x81. A signed program takes an
// update signed with its key, an unsigned one takes it as any other. A
// read-only program file, as copied from a CD, is in the way of neither this
// update nor the next.
TEST_F(Update, ANewerVersionTakesThePlaceOfTheProgramFileAndRuns) {
    const std::string after = ReadFile(Signed("update-signed"));
    for (auto [windows, program] : {std::pair{"winxp", Signed("program")},
                                    std::pair{"win98", std::string(FESTMELDER_UPDATING)}}) {
        SCOPED_TRACE(windows);
        const std::string before = ReadFile(program);
        RegSetKeyValueA(HKEY_CURRENT_USER, kWineVersion, "Version", REG_SZ, windows, 6);
        ASSERT_TRUE(Serve(OkResponse(after), program));
        SetFileAttributesA((folder + "Festmelder.exe").c_str(), FILE_ATTRIBUTE_READONLY);
        ASSERT_TRUE(Do({{Click, kUpdate}}));
        EXPECT_EQ(Look().box, Boxes.updateQuestion);
        ASSERT_TRUE(Do({{Answer, IDYES}}));
        EXPECT_EQ(Look().box, Boxes.installQuestion);
        ASSERT_TRUE(Do({{Answer, IDYES}}));
        EXPECT_EQ(Look().box, Boxes.installed);
        bool win98 = windows == std::string("win98");
        EXPECT_TRUE(File("Festmelder.exe") == (win98 ? before : after));
        EXPECT_TRUE(win98 ? File("Festmelder.bat").find("\\Pr\x81") != std::string::npos
                          : File("Festmelder.tmp") == before);
        ASSERT_TRUE(Do({{Answer, IDOK}}));
        ASSERT_TRUE(Restarted());
        EXPECT_TRUE(File("Festmelder.exe") == after);
        EXPECT_EQ(Look().entries.size(), 1u) << "the register, read by the new program";
        ASSERT_TRUE(Do({{Click, kInfo}}));
        EXPECT_EQ(Look().box, Boxes.newAbout);
        ASSERT_TRUE(Do({{Answer, IDOK}}));
        if (!win98) { // the way is clear for the next update, back to the first version
            server.reset();
            server.emplace(OkResponse(before), 0, FESTMELDER_TEST_UPDATE_PORT);
            ASSERT_TRUE(Do({{Click, kUpdate}, {Answer, IDYES}, {Answer, IDYES}, {Answer, IDOK}}));
            ASSERT_TRUE(Restarted());
            EXPECT_TRUE(File("Festmelder.exe") == before);
        }
        ASSERT_TRUE(Do({Close}));
        ASSERT_TRUE(Ended());
        EXPECT_TRUE(WaitUntil(
            [&] {
                return !Has("Festmelder.tmp") && !Has("Festmelder.upd") && !Has("Festmelder.bat");
            },
            "the rest gone", 10000));
    }
}

// Only a failed rename keeps the download, for another try. A signed program
// refuses an update that is not signed with its key and covered by the
// signature as it is.
TEST_F(Update, RefusalsAndFailuresLeaveTheProgramAsItWas) {
    std::string arm64 = current; // refused before its version is compared
    arm64.replace(static_cast<unsigned char>(current[0x3c]) + 4, 2, "\x64\xaa");
    struct Row {
        std::optional<std::string> served;
        std::string box, program = FESTMELDER_UPDATING;
        bool win98 = false; // Festmelder.bat in the way, never run
    };
    auto toSigned = [&](const std::string& update) {
        return Row{OkResponse(update), Boxes.notSigned, Signed("program")};
    };
    const Row cases[] = {
        {std::nullopt, Boxes.noServer},
        // Wine reports a reset connection like one closed in order: the download
        // cut off either way must not be taken for a program file.
        {"HTTP/1.1 200 OK\r\n\r\n" + newer.substr(0, newer.size() / 2), Boxes.notAnUpdate},
        {OkResponse(current), Boxes.sameVersion},
        {OkResponse("<html>Wartung</html>"), Boxes.notAnUpdate},
        {OkResponse(arm64), Boxes.notAnUpdate},
        {OkResponse(newer), Boxes.swapFailed}, // Festmelder.tmp of an earlier update in the way
        toSigned(newer),
        toSigned(ReadFile(Signed("update-other-key"))),
        toSigned(ReadFile(Signed("update-changed"))),
        toSigned(ReadFile(Signed("update-bad-signature"))),
        toSigned(ReadFile(Signed("update-new-digest"))),
        {OkResponse(newer), Boxes.swapFailed, FESTMELDER_UPDATING, true}}; // from here Windows 98
    int row = 0;
    for (const auto& [served, box, program, win98] : cases) {
        SCOPED_TRACE("row " + std::to_string(row++));
        bool swap = box == Boxes.swapFailed;
        if (win98) RegSetKeyValueA(HKEY_CURRENT_USER, kWineVersion, "Version", REG_SZ, "win98", 6);
        ASSERT_TRUE(Serve(served, program));
        std::string inTheWay = folder + (win98 ? "Festmelder.bat" : "Festmelder.tmp");
        if (swap) std::ofstream(inTheWay) << "old";
        // Wine run by root writes over a read-only file, but not over one held open.
        SetFileAttributesA(inTheWay.c_str(), FILE_ATTRIBUTE_READONLY);
        HANDLE held = CreateFileA(inTheWay.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        ASSERT_TRUE(Do({{Click, kUpdate}, {Answer, IDYES}}));
        ASSERT_TRUE(!swap || Do({{Answer, IDYES}})); // to install it
        EXPECT_EQ(Look().box, box);
        ASSERT_TRUE(Do({{Answer, IDOK}}));
        EXPECT_TRUE(Running() && File("Festmelder.exe") == ReadFile(program));
        EXPECT_EQ(Has("Festmelder.upd"), swap && !win98);
        CloseHandle(held);
        SetFileAttributesA(inTheWay.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

} // namespace e2e
