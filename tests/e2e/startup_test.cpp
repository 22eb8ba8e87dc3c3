// Starting the program: what it does with its folder before the window
// comes up, what it loads, and a second start while it runs.
#include "tests/e2e/festmelder_test.h"

namespace festmelder {
namespace {

using Startup = FestmelderTest;

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The copy of an update leaves the old program behind as Festmelder.tmp.
TEST_F(Startup, DeletesTheLeftoverOfAnUpdateAfterWaitingASecondForTheOldCopy) {
    ASSERT_TRUE(Prepare(Record("Anna", 5, 3, 1987)));
    std::string leftover = app.folder + "Festmelder.tmp";
    CloseHandle(CreateFileA(leftover.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    ASSERT_TRUE(Exists(leftover));
    ULONGLONG launched = GetTickCount64();
    ASSERT_TRUE(Launch());
    ULONGLONG tookMs = GetTickCount64() - launched;
    EXPECT_FALSE(Exists(leftover)) << "expected Festmelder.tmp deleted, got it still there";
    // The tick count may step in units of about 16 ms.
    EXPECT_GE(tookMs, 980u) << "expected the window after a pause of 1 s, got it after " << tookMs
                            << " ms";
}

TEST_F(Startup, LeavesAFolderNamedLikeTheLeftoverAlone) {
    ASSERT_TRUE(Prepare(Record("Anna", 5, 3, 1987)));
    std::string folder = app.folder + "Festmelder.tmp";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(Exists(folder)) << "expected the folder Festmelder.tmp kept, got it deleted";
}

// A data file edited by hand need not be in order; the program shows it as it
// is until an Apply sorts the register.
TEST_F(Startup, LoadsTheRegisterInTheOrderOfTheFile) {
    ASSERT_TRUE(Start(Record("Zoe", 1, 2, 1990) + Record("Anna", 5, 3, 1987)));
    EXPECT_EQ(RegisterLines(), (std::vector<std::string>{RegisterLine("Zoe", "01.02.1990"),
                                                         RegisterLine("Anna", "05.03.1987")}));
}

struct Launched {
    ui::App app;
    ~Launched() {
        ui::Kill(app);
        ui::RemoveFolder(app);
    }
};

TEST_F(Startup, ASecondStartOnlySaysThatTheProgramRunsAlready) {
    ASSERT_TRUE(Start(Record("Anna", 5, 3, 1987)));
    Launched second;
    ASSERT_TRUE(ui::StartApp(ui::ProgramUnderTest(), Record("Bert", 1, 1, 1970), second.app));
    ui::MessageBoxInfo box;
    ASSERT_TRUE(ui::WaitForMessageBox(second.app, box));
    EXPECT_EQ(box.title, "Fehler");
    EXPECT_EQ(box.text, "Das Programm ist bereits gestartet!");
    EXPECT_EQ(box.buttonIds, std::vector<int>{IDOK});
    EXPECT_EQ(ui::MessageBoxIcon(box), "error");
    EXPECT_EQ(ui::FindMainWindow(second.app), nullptr)
        << "expected no main window of the second process, got one";
    ASSERT_TRUE(ui::AnswerMessageBox(box, IDOK));
    DWORD exitCode = 99;
    ASSERT_TRUE(ui::WaitForExit(second.app, exitCode));
    EXPECT_EQ(exitCode, 0u);

    EXPECT_TRUE(ui::IsRunning(app)) << "expected the first process to go on, got it ended";
    ASSERT_TRUE(ui::Settle(app));
    EXPECT_EQ(RegisterLines(), std::vector<std::string>{RegisterLine("Anna", "05.03.1987")});
}

} // namespace
} // namespace festmelder
