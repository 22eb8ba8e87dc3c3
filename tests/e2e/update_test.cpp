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
// OEM code page, in which the folder's "ü" is 0x81.
TEST_F(Update, ANewerVersionTakesThePlaceOfTheProgramFileAndRuns) {
    for (std::string windows : {"winxp", "win98"}) {
        SCOPED_TRACE(windows);
        RegSetKeyValueA(HKEY_CURRENT_USER, kWineVersion, "Version", REG_SZ, windows.c_str(), 6);
        ASSERT_TRUE(Serve(OkResponse(newer)));
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
        ASSERT_TRUE(Do({Close}));
        ASSERT_TRUE(Ended());
        EXPECT_TRUE(WaitUntil(
            [&] {
                return !Has("Festmelder.tmp") && !Has("Festmelder.upd") && !Has("Festmelder.bat");
            },
            "the rest gone", 10000));
    }
}

// Only a failed rename keeps the download, for another try.
TEST_F(Update, RefusalsAndFailuresLeaveTheProgramAsItWas) {
    std::string arm64 = current; // refused before its version is compared
    arm64.replace(static_cast<unsigned char>(current[0x3c]) + 4, 2, "\x64\xaa");
    // Wine reports a reset connection like one closed in order: the download
    // cut off either way must not be taken for a program file.
    const std::tuple<std::optional<std::string>, std::string, bool> cases[] = {
        {std::nullopt, Boxes.noServer, false},
        {"HTTP/1.1 200 OK\r\n\r\n" + newer.substr(0, newer.size() / 2), Boxes.notAnUpdate, false},
        {OkResponse(current), Boxes.sameVersion, false},
        {OkResponse("<html>Wartung</html>"), Boxes.notAnUpdate, false},
        {OkResponse(arm64), Boxes.notAnUpdate, false},
        {OkResponse(newer), Boxes.swapFailed, false}, // Festmelder.tmp in the way
        {OkResponse(newer), Boxes.swapFailed, true},  // on Windows 98 Festmelder.bat, never run
    };
    for (const auto& [served, box, win98] : cases) {
        SCOPED_TRACE(box);
        bool swap = box == Boxes.swapFailed;
        if (win98) RegSetKeyValueA(HKEY_CURRENT_USER, kWineVersion, "Version", REG_SZ, "win98", 6);
        ASSERT_TRUE(Serve(served));
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
        EXPECT_TRUE(Running() && File("Festmelder.exe") == current);
        EXPECT_EQ(Has("Festmelder.upd"), swap && !win98);
        CloseHandle(held);
        SetFileAttributesA(inTheWay.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

} // namespace e2e
