// The register's procedures, closing and autostart, against the platform layer's test doubles.
#include <gtest/gtest.h>

#include "app/shutdown.h"
#include "autostart/autostart.h"
#include "common/program_values.h"
#include "common/window_numbers.h"
#include "platform/message_box.h"
#include "register/data_file.h"
#include "register/data_file_format.h"
#include "register/entry_editing.h"
#include "tests/fakes/fake_platform.h"

namespace {

using namespace fake;
using namespace platform;

const std::string kDataFile = "C:\\P\\Festmelder.dat";
const std::string kOld = "Zoe\r\n1\r\n2\r\n1990\r\nBernd\r\n24\r\n12\r\n0\r\n";

// The register unchanged in the data file and in memory.
void Start() {
    ResetProgramState();
    World.Files[kDataFile] = kOld;
    ProgramFolder = "C:\\P\\";
    Register = ParseDataFile(kOld);
}

// The fields keep what the entry chosen first put there.
TEST(Editing, WhenTheChoiceIsGoneApplyAddsAnEntryInsteadOfChangingOne) {
    Start();
    World.Selection = 1;
    SelectEntry();
    World.Selection = -1;
    SelectEntry();
    World.Texts[NameField] = "Carla";
    ApplyEntry(); // an unknown year taken over unchanged becomes 2000
    EXPECT_EQ(FormatDataFile(Register),
              "Bernd\r\n24\r\n12\r\n0\r\nCarla\r\n24\r\n12\r\n2000\r\nZoe\r\n1\r\n2\r\n1990\r\n");
    EXPECT_EQ(DirtyFlag, 1);
}

// Closing without changes, Yes saving them and a failed save keeping the program open, the
// end-to-end tests show.
TEST(Saving, ClosingWithUnsavedChangesEndsOnNoAndStaysOnCancel) {
    const struct { int answer, ends; } cases[] = {{kAnswerNo, 1}, {kAnswerCancel, 0}};
    for (const auto& c : cases) {
        Start();
        AppendRecord(Register).Name = "Bea";
        DirtyFlag = 1;
        World.Answers = {c.answer};
        ConfirmExit();
        EXPECT_EQ(std::make_tuple(ExitConfirmed, DirtyFlag, World.Files[kDataFile], World.Boxes),
                  std::make_tuple(c.ends, 1, kOld, std::vector{kQuestion}))
            << "answer " << c.answer;
    }
}

// A data file that another program holds at log-on, or that cannot be looked at, is tried
// again for up to 5 s; one that stays unreadable is reported, never taken for an empty one.
TEST(Loading, AnUnreadableDataFileIsTriedAgainAndNeverTakenForAnEmptyOne) {
    const struct {
        int failingSizeQueries, failingReads, loaded;
        bool read;
        unsigned paused;
    } cases[] = {{0, 0, 1, true, 0},      {0, 2, 1, true, 500}, {0, 19, 1, true, 4750},
                 {0, 20, 0, false, 4750}, {1, 0, 1, true, 250}, {20, 0, 0, false, 4750}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &c - cases);
        Start();
        Register = {};
        World.FailingSizeQueries = c.failingSizeQueries;
        World.FailingReads = c.failingReads;
        int loaded = LoadRegister();
        EXPECT_EQ(std::tie(loaded, World.Elapsed), std::tie(c.loaded, c.paused));
        EXPECT_EQ(FormatDataFile(Register), c.read ? kOld : "");
        EXPECT_EQ(World.Files[kDataFile], kOld);
    }
}

// Fails each file operation of a save in turn: the data file then holds the old register or the
// new one, never a mix, no other file is left, and the answer and DirtyFlag say which.
TEST(Saving, EveryFaultPointLeavesTheOldOrTheNewRegister) {
    int point = 1;
    for (;; point++) {
        Start();
        for (int i = 0; i < 9000; i++) AppendRecord(Register).Name = "Person " + FormatNumber(i);
        DirtyFlag = 1;
        World.FailingPoint = point;
        int saved = SaveRegister();
        if (World.FileOperations < point) break; // every point has been tried
        SCOPED_TRACE("fault point " + std::to_string(point));
        EXPECT_TRUE(World.Files[kDataFile] == (saved ? FormatDataFile(Register) : kOld));
        EXPECT_EQ(std::make_tuple(DirtyFlag, World.Files.size()), std::make_tuple(!saved, 1u));
    }
    EXPECT_GE(point, 8) << "fault points: create, three writes, flush, close, move, none";
}

// Yes writes the shortcut, No removes it; only what was done beeps; without the folder, nothing.
TEST(Autostart, AnswersWriteOrRemoveTheShortcut) {
    const std::string link = "C:\\S\\Festmelder.lnk";
    const struct {
        int answer;
        const char* folder;
        std::string before; // the shortcut's target, "" for none
        bool saveFails;
        std::string after;
        int beeps;
    } cases[] = {{kAnswerYes, "C:\\S", "", false, "D:\\Festmelder.exe", 1},
                 {kAnswerYes, "C:\\S\\", "C:\\Alt.exe", false, "D:\\Festmelder.exe", 1},
                 {kAnswerYes, "C:\\S", "", true, "", 0},
                 {kAnswerNo, "C:\\S", "C:\\Alt.exe", false, "", 1},
                 {kAnswerCancel, "C:\\S", "C:\\Alt.exe", false, "C:\\Alt.exe", 0},
                 {kAnswerNo, "", "C:\\Alt.exe", false, "C:\\Alt.exe", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << &c - cases);
        ResetProgramState();
        World.ProgramFilePath = "D:\\Festmelder.exe";
        World.StartupFolder = c.folder;
        World.ShortcutSaveFails = c.saveFails;
        World.Answers = {c.answer};
        if (!c.before.empty()) World.Files[link] = c.before;
        ConfigureAutostart();
        std::size_t files = World.Files.size();
        EXPECT_EQ(std::make_tuple(files, World.Files[link], World.Beeps),
                  std::make_tuple(c.after.empty() ? 0u : 1u, c.after, c.beeps));
        EXPECT_EQ(World.Shortcut.HotKey, 0) << "it would take its keys from every other program";
    }
}

} // namespace
