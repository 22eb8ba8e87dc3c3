// The procedures that reach Windows, against the platform layer's test doubles.
#include <gtest/gtest.h>

#include "app/shutdown.h"
#include "autostart/autostart.h"
#include "common/program_values.h"
#include "common/window_numbers.h"
#include "register/data_file.h"
#include "register/data_file_format.h"
#include "register/entry_editing.h"
#include "tests/fakes/fake_platform.h"
#include "update/internet_update.h"
#include "update/update_rules.h"

namespace {

using fake::World;

const std::string kDataFile = "C:\\P\\Festmelder.dat";
const std::string kOld = "Zoe\r\n1\r\n2\r\n1990\r\nBernd\r\n24\r\n12\r\n0\r\n";

// The register unchanged in the data file and in memory; the fields filled in.
void Start(const char* name = "", const char* day = "", const char* month = "") {
    World = {};
    World.Files[kDataFile] = kOld;
    World.Texts = {{NameField, name}, {DayField, day}, {MonthField, month}, {YearField, "99"}};
    ProgramFolder = "C:\\P\\";
    Register = ParseDataFile(kOld);
    DirtyFlag = EditingExisting = ExitConfirmed = 0;
}

TEST(Editing, ARefusedEntryChangesNothingAndFocusesTheFirstFaultyField) {
    const std::tuple<const char*, const char*, const char*, int> cases[] = {
        {"", "32", "1", NameField}, {"Anna", "0", "13", DayField}, {"Anna", "5", "", MonthField}};
    for (auto [name, day, month, focus] : cases) {
        Start(name, day, month);
        ApplyEntry();
        // The focused gadget, the boxes, DirtyFlag and the register.
        EXPECT_EQ(FormatNumber(World.Focus) + World.Boxes + FormatNumber(DirtyFlag) +
                      FormatDataFile(Register),
                  FormatNumber(focus) + "i0" + kOld)
            << name << "|" << day << "|" << month;
    }
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
    EXPECT_EQ(FormatDataFile(Register) + FormatNumber(DirtyFlag),
              "Bernd\r\n24\r\n12\r\n0\r\nCarla\r\n24\r\n12\r\n2000\r\nZoe\r\n1\r\n2\r\n1990\r\n1");
}

TEST(Saving, ClosingAsksOnlyAboutUnsavedChangesAndStaysOpenWhenTheSaveFails) {
    const std::tuple<int, const char*, int, const char*> cases[] = {
        // DirtyFlag, the answer, the failing file operation: whether the
        // program ends, DirtyFlag, the data file, the boxes shown
        {0, "", 0, "1 0 old "},
        {1, "c", 0, "0 1 old q"},
        {1, "n", 0, "1 1 old q"},
        {1, "y", 0, "1 0 new q"},
        {1, "y", 1, "0 1 old qe"}};
    for (auto [dirty, answer, failingPoint, outcome] : cases) {
        Start();
        AppendRecord(Register).Name = "Bea";
        DirtyFlag = dirty;
        World.Answers = answer;
        World.FailingPoint = failingPoint;
        ConfirmExit();
        EXPECT_EQ(FormatNumber(ExitConfirmed) + " " + FormatNumber(DirtyFlag) +
                      (World.Files[kDataFile] == kOld ? " old " : " new ") + World.Boxes,
                  outcome)
            << "dirty " << dirty << ", answer " << answer << ", fault point " << failingPoint;
    }
}

// A data file that another program holds at log-on, or that cannot be looked at, is tried
// again for up to 5 s; one that stays unreadable is reported, never taken for an empty one.
TEST(Loading, AnUnreadableDataFileIsTriedAgainAndNeverTakenForAnEmptyOne) {
    const std::tuple<std::string, std::string, const char*> cases[] = {
        // the size queries and the reads that fail: the answer, the register, the pauses in all
        {"", "", "1 old 0"},
        {"", "xx", "1 old 500"},
        {"", std::string(19, 'x'), "1 old 4750"},
        {"", std::string(20, 'x'), "0 none 4750"},
        {"x", "", "1 old 250"},
        {std::string(20, 'x'), "", "0 none 4750"}};
    for (const auto& [sizeFailures, failures, outcome] : cases) {
        Start();
        Register = {};
        World.SizeFailures = sizeFailures;
        World.ReadFailures = failures;
        int loaded = LoadRegister();
        std::string held = FormatDataFile(Register);
        EXPECT_EQ(FormatNumber(loaded) +
                      (held == kOld   ? " old "
                       : held.empty() ? " none "
                                      : " mix ") +
                      FormatNumber(World.Paused),
                  outcome)
            << sizeFailures.size() << " failed size queries, " << failures.size() << " reads";
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
        const std::string& file = World.Files[kDataFile];
        EXPECT_TRUE(file == (saved ? FormatDataFile(Register) : kOld) && DirtyFlag == !saved &&
                    World.Files.size() == 1)
            << "fault point " << point << ": answered " << saved << ", DirtyFlag " << DirtyFlag
            << ", " << file.size() << " bytes in the data file, " << World.Files.size() << " files";
    }
    EXPECT_GE(point, 8) << "fault points: create, three writes, flush, close, move, none";
}

// A program file for i386 and Windows' GUI: its headers with one section, its product name and
// version; cut off, the section's 64 KiB of data are missing.
std::string Program(const char* version, bool cutOff = false,
                    const std::string& product = "Festmelder") {
    std::string headers(256, '\0');
    headers.replace(0, 2, "MZ");
    headers.replace(0x3c, 10, std::string("\x40\0\0\0PE\0\0\x4c\x01", 10));
    headers[0x46] = 1, headers[0x54] = 0x70, headers[0x9c] = 2; // sections, optional header, GUI
    headers[0xc8 + 16 + 2] = cutOff;
    return headers + product + " " + version;
}

std::string Served(const std::string& body) {
    return "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

// Runs the update after the setup; answers its answer, boxes, the program's files by extension
// (with the build number a program file holds) and the processes it started.
template <class Setup> std::string Update(const std::string& response, Setup setup) {
    World = {};
    World.ProgramFilePath = "C:\\T\\Mein.exe";
    World.ServerResponse = response;
    DataFilePath = "C:\\T\\Festmelder.dat";
    NetworkReady = 0;
    setup();
    World.Files[World.ProgramFilePath] = Program("1.2.0.27");
    std::string outcome =
        std::to_string(RunInternetUpdate("http://h/F", "http://home/")) + " " + World.Boxes;
    for (const auto& [path, bytes] : World.Files) {
        std::size_t version = bytes.find("Festmelder ");
        outcome += " " + path.substr(path.size() - 3) +
                   (version == std::string::npos ? "" : "=" + bytes.substr(version + 17));
    }
    return outcome + " " + World.Started;
}

TEST(InternetUpdate, ARefusedUpdateLeavesTheProgramAndNoOtherFile) {
    const std::string newer = Served(Program("1.2.0.28"));
    const std::tuple<const char*, std::string, const char*> cases[] = {
        {"n", newer, "0 q exe=27 "},
        {"yn", newer, "0 qq exe=27 "},
        {"", "HTTP/1.1 200 OK\r\nContent-Length: 99\r\n\r\nFestmelder", "0 qe exe=27 "},
        {"", Served(Program("1.2.0.27")), "0 qi exe=27 "},
        {"", "HTTP/1.1 200 OK\r\n\r\n" + Program("1.2.0.28", true), "0 qe exe=27 "}, // cut off
        {"", Served("<html>Wartung</html>"), "0 qe exe=27 "},
        {"", Served(Program("1.2.0.28", false, "Notepad")), "0 qe exe=27 "}};
    for (const auto& [answers, response, outcome] : cases)
        EXPECT_EQ(Update(response, [&] { World.Answers = answers; }), outcome) << response;
    EXPECT_EQ(Update(newer, [] { World.NetworkWorks = false; }), "0 e exe=27 ");
    const std::string toTheEnd = "HTTP/1.1 200 OK\r\n\r\n" + Program("1.2.0.28");
    EXPECT_EQ(Update(toTheEnd, [] { World.ConnectionBreaks = true; }), "0 qe exe=27 ")
        << "a broken connection is not the end of the body";
    // Without the version library both versions read as "" and so alike.
    EXPECT_EQ(Update(newer, [] { World.VersionLibraryMissing = true; }), "0 qeei exe=27 ");
}

// Before Windows 2000 a hidden script swaps the files once the program has ended; later they
// are renamed at once, the old program file back if the new one cannot take its name. A script
// that the OEM code page cannot spell is never started.
TEST(InternetUpdate, TheSwapRestartsTheNewProgramOrKeepsTheOldOneOrCallsTheHomePage) {
    const std::tuple<unsigned, const char*, bool, const char*> cases[] = {
        // Windows NT's major version, the renames that fail, whether processes start
        {6, "", true, "1 qqi exe=28 tmp=27 C:\\T\\Mein.exe||C:\\T\\|0\n"},
        {6, "x", true, "0 qqe exe=27 upd=28 "},
        {6, "-x", true, "0 qqe exe=27 upd=28 "},
        {6, "-xx", true, "0 qqe tmp=27 upd=28 http://home/|||0\n"},
        {4, "", true, "1 qqi bat exe=27 upd=28 C:\\T\\Mein.bat||C:\\T\\|1\n"},
        {4, "", false, "0 qqe bat exe=27 upd=28 C:\\T\\Mein.bat||C:\\T\\|1\n"}};
    for (auto [major, fails, starts, outcome] : cases) {
        auto setup = [&] {
            World.Windows.Major = major;
            World.RenameFailures = fails;
            World.ProcessesStart = starts;
        };
        EXPECT_EQ(Update(Served(Program("1.2.0.28")), setup), outcome)
            << "NT " << major << ", renames failing: " << fails;
        const std::string script = "C:\\T\\Mein.bat";
        EXPECT_EQ(World.Files[script],
                  major < 5 ? SwapScript("C:\\T\\Mein.exe", "C:\\T\\Mein.upd", script) : "");
    }
    auto inFolder = [] {
        World.Windows.Major = 4, World.ProgramFilePath = "C:\\„ & calc & “\\M.exe";
    };
    EXPECT_EQ(Update(Served(Program("1.2.0.28")), inFolder), "0 qqe exe=27 ");
}

// Yes writes the shortcut, No removes it; only what was done beeps; without the folder, nothing.
TEST(Autostart, AnswersWriteOrRemoveTheShortcut) {
    const std::tuple<const char*, const char*, const char*, bool, const char*> cases[] = {
        // answer, Startup folder, shortcut before, saving it fails: shortcut after, beeps
        {"y", "C:\\S", "", false, "C:\\S\\Festmelder.lnk>D:\\Festmelder.exe 1"},
        {"y", "C:\\S\\", "C:\\Alt.exe", false, "C:\\S\\Festmelder.lnk>D:\\Festmelder.exe 1"},
        {"y", "C:\\S", "", true, " 0"},
        {"n", "C:\\S", "C:\\Alt.exe", false, " 1"},
        {"c", "C:\\S", "C:\\Alt.exe", false, "C:\\S\\Festmelder.lnk>C:\\Alt.exe 0"},
        {"n", "", "C:\\Alt.exe", false, "C:\\S\\Festmelder.lnk>C:\\Alt.exe 0"}};
    for (auto [answer, folder, before, saveFails, after] : cases) {
        World = {};
        World.ProgramFilePath = "D:\\Festmelder.exe";
        World.StartupFolder = folder;
        World.ShortcutSaveFails = saveFails;
        World.Answers = answer;
        if (*before) World.Files["C:\\S\\Festmelder.lnk"] = before;
        ConfigureAutostart();
        std::string files;
        for (const auto& [path, target] : World.Files) files += path + ">" + target;
        EXPECT_EQ(files + " " + std::to_string(World.Beeps), after)
            << answer << folder << before << saveFails;
    }
}

} // namespace
