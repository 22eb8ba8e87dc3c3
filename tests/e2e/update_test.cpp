// "Internet Update" from a server of this test program on the loopback
// interface, at the port that the programs built for this test ask.
#include <fstream>

#include "tests/e2e/driver.h"
#include "tests/support/loopback_server.h"

namespace e2e {
namespace {

const char kWineVersion[] = "Software\\Wine\\AppDefaults\\Festmelder.exe";

class Update : public Test {
  protected:
    const std::string current = ReadFile(FESTMELDER_UPDATING), newer = ReadFile(FESTMELDER_NEWER);
    std::optional<LoopbackServer> server;

    void TearDown() override {
        Test::TearDown();
        RegDeleteKeyA(HKEY_CURRENT_USER, kWineVersion);
    }
    void Serve(const std::optional<std::string>& body) {
        server.reset();
        if (body) server.emplace(OkResponse(*body), 0, FESTMELDER_TEST_UPDATE_PORT);
    }
    // Serves 1.2.0.28 and agrees, up to the box that says it was installed.
    void Install() {
        Serve(newer);
        ASSERT_TRUE(Start(Record("Anna", 5, 3, 1987), FESTMELDER_UPDATING));
        const std::pair<Step, std::string> answers[] = {{{Click, kUpdate}, Boxes.updateQuestion},
                                                        {{Answer, IDYES}, Boxes.installQuestion},
                                                        {{Answer, IDYES}, Boxes.installed}};
        for (const auto& [step, box] : answers) {
            ASSERT_TRUE(Do({step}));
            ASSERT_EQ(Look().box, box);
        }
    }
    testing::AssertionResult Gone(const char* name) {
        return WaitUntil([&] { return File(name) == "(none)"; }, std::string(name) + " gone");
    }
};

TEST_F(Update, ANewerVersionTakesThePlaceOfTheProgramFileAndRuns) {
    ASSERT_NO_FATAL_FAILURE(Install());
    EXPECT_TRUE(File("Festmelder.exe") == newer) << "the new program file in the old one's place";
    EXPECT_TRUE(File("Festmelder.tmp") == current) << "the running one moved aside";
    ASSERT_TRUE(Do({{Answer, IDOK}}));
    ASSERT_TRUE(Ended());
    ASSERT_TRUE(Restarted());
    EXPECT_EQ(Look().entries.size(), 1u) << "the register, read by the new program";
    EXPECT_TRUE(Gone("Festmelder.tmp"));
}

// Windows 98 cannot rename a running program: a script swaps the files after
// the end. The command interpreter reads it in the OEM code page, where the
// folder's "ü" is 0x81.
TEST_F(Update, OnWindows98AScriptSwapsTheFilesAfterTheEnd) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kWineVersion, &key), ERROR_SUCCESS);
    RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("win98"), 6);
    RegCloseKey(key);
    ASSERT_NO_FATAL_FAILURE(Install());
    EXPECT_NE(File("Festmelder.bat")
                  .find("\\Pr\x81"
                        "fung "),
              std::string::npos);
    EXPECT_TRUE(File("Festmelder.exe") == current);
    ASSERT_TRUE(Do({{Answer, IDOK}}));
    ASSERT_TRUE(Ended());
    ASSERT_TRUE(Restarted());
    EXPECT_TRUE(File("Festmelder.exe") == newer);
    ASSERT_TRUE(Do({Close})); // the script goes once the program it started has ended
    EXPECT_TRUE(Ended() && Gone("Festmelder.bat"));
}

// Only a failed swap keeps the download, for another try.
TEST_F(Update, RefusalsAndFailuresLeaveTheProgramAsItWas) {
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, Boxes.noServer},
        {current, Boxes.sameVersion},
        {"<html>Wartung</html>", Boxes.notAnUpdate},
        {newer, Boxes.swapFailed}, // Festmelder.tmp of an earlier update in the way
    };
    for (const auto& [served, box] : cases) {
        SCOPED_TRACE(box);
        bool swap = box == Boxes.swapFailed;
        Serve(served);
        ASSERT_TRUE(Start(std::nullopt, FESTMELDER_UPDATING));
        if (swap) std::ofstream(folder + "Festmelder.tmp") << "old";
        ASSERT_TRUE(Do({{Click, kUpdate}, {Answer, IDYES}}));
        ASSERT_TRUE(!swap || Do({{Answer, IDYES}})); // to install it
        EXPECT_EQ(Look().box, box);
        ASSERT_TRUE(Do({{Answer, IDOK}}));
        EXPECT_TRUE(Running() && File("Festmelder.exe") == current);
        EXPECT_EQ(File("Festmelder.upd") != "(none)", swap);
    }
}

} // namespace
} // namespace e2e
