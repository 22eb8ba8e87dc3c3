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

    void TearDown() override {
        Festmelder::TearDown();
        RegDeleteKeyA(HKEY_CURRENT_USER, kWineVersion);
    }
    testing::AssertionResult Serve(const std::optional<std::string>& answer) {
        server.reset();
        if (answer) server.emplace(*answer, 0, FESTMELDER_TEST_UPDATE_PORT);
        return Start(Record("Anna", 5, 3, 1987), FESTMELDER_UPDATING);
    }
};

// Windows 98 cannot rename a running program file: there a script swaps the
// files once the program has ended. The command interpreter reads it in the
// OEM code page, in which the folder's "ü" is 0x81. A read-only program file,
// as copied from a CD, is in the way of neither this update nor the next.
TEST_F(Update, ANewerVersionTakesThePlaceOfTheProgramFileAndRuns) {
    for (std::string windows : {"winxp", "win98"}) {
        SCOPED_TRACE(windows);
        RegSetKeyValueA(HKEY_CURRENT_USER, kWineVersion, "Version", REG_SZ, windows.c_str(), 6);
        ASSERT_TRUE(Serve(OkResponse(newer)));
        SetFileAttributesA((folder + "Festmelder.exe").c_str(), FILE_ATTRIBUTE_READONLY);
        ASSERT_TRUE(Do({{Click, kUpdate}}));
        EXPECT_EQ(Look().box, Boxes.updateQuestion);
        ASSERT_TRUE(Do({{Answer, IDYES}}));
        EXPECT_EQ(Look().box, Boxes.installQuestion);
        ASSERT_TRUE(Do({{Answer, IDYES}}));
        EXPECT_EQ(Look().box, Boxes.installed);
        EXPECT_TRUE(File("Festmelder.exe") == (windows == "win98" ? current : newer));
        EXPECT_TRUE(windows == "win98"
                        ? File("Festmelder.bat").find("\\Pr\x81") != std::string::npos
                        : File("Festmelder.tmp") == current);
        ASSERT_TRUE(Do({{Answer, IDOK}}));
        ASSERT_TRUE(Restarted());
        EXPECT_TRUE(File("Festmelder.exe") == newer);
        EXPECT_EQ(Look().entries.size(), 1u) << "the register, read by the new program";
        ASSERT_TRUE(Do({{Click, kInfo}}));
        EXPECT_EQ(Look().box, Boxes.newAbout);
        ASSERT_TRUE(Do({{Answer, IDOK}}));
        if (windows == "winxp") { // the way is clear for the next update, back to the first version
            server.reset();
            server.emplace(OkResponse(current), 0, FESTMELDER_TEST_UPDATE_PORT);
            ASSERT_TRUE(Do({{Click, kUpdate}, {Answer, IDYES}, {Answer, IDYES}, {Answer, IDOK}}));
            ASSERT_TRUE(Restarted());
            EXPECT_TRUE(File("Festmelder.exe") == current);
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

// Only a failed swap keeps the download, for another try.
TEST_F(Update, RefusalsAndFailuresLeaveTheProgramAsItWas) {
    // Wine reports a reset connection like one closed in order: the download
    // cut off either way must not be taken for a program file.
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, Boxes.noServer},
        {"HTTP/1.1 200 OK\r\n\r\n" + newer.substr(0, newer.size() / 2), Boxes.notAnUpdate},
        {OkResponse(current), Boxes.sameVersion},
        {OkResponse("<html>Wartung</html>"), Boxes.notAnUpdate},
        {OkResponse(newer), Boxes.swapFailed}, // Festmelder.tmp of an earlier update in the way
    };
    for (const auto& [served, box] : cases) {
        SCOPED_TRACE(box);
        bool swap = box == Boxes.swapFailed;
        ASSERT_TRUE(Serve(served));
        if (swap) std::ofstream(folder + "Festmelder.tmp") << "old";
        ASSERT_TRUE(Do({{Click, kUpdate}, {Answer, IDYES}}));
        ASSERT_TRUE(!swap || Do({{Answer, IDYES}})); // to install it
        EXPECT_EQ(Look().box, box);
        ASSERT_TRUE(Do({{Answer, IDOK}}));
        EXPECT_TRUE(Running() && File("Festmelder.exe") == current);
        EXPECT_EQ(Has("Festmelder.upd"), swap);
    }
}

} // namespace e2e
