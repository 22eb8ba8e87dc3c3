// Around the program's start and end, where other programs are involved: a
// data file held at log-on, the previous program file held after an update,
// the end of the session.
#include <thread>

#include "tests/e2e/driver.h"

namespace e2e {

const std::string kAnna = Record("Anna", 5, 3, 1987);

// Opens a file of the program's folder without sharing, as a backup program may.
HANDLE Hold(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
}

// A data file still held after the tries is reported and left as it was; one
// let go meanwhile is read as on any start.
TEST_F(Festmelder, AHeldDataFileIsReadOnceLetGoAndNeverReplaced) {
    HANDLE held = nullptr;
    ASSERT_TRUE(Start(kAnna, FESTMELDER_PROGRAM, [&] { held = Hold(folder + "Festmelder.dat"); }));
    EXPECT_TRUE(WaitUntil([&] { return Look().box == Boxes.readError; }, "the read error", 10000))
        << Look().box;
    ASSERT_TRUE(Do({{Answer, IDOK}}));
    EXPECT_TRUE(Ended());
    CloseHandle(held);
    EXPECT_EQ(File("Festmelder.dat"), kAnna);

    std::thread letGo;
    ASSERT_TRUE(Start(kAnna, FESTMELDER_PROGRAM, [&] {
        held = Hold(folder + "Festmelder.dat");
        letGo = std::thread([&] { Sleep(2000), CloseHandle(held); });
    }));
    letGo.join();
    EXPECT_EQ(Look().entries, Lines{RegisterLine("Anna", "05.03.1987")});
}

// The old copy may hold its file long after the new one came up.
TEST_F(Festmelder, TheOldProgramFileGoesOnceLetGo) {
    HANDLE held = nullptr;
    ASSERT_TRUE(Start(kAnna, FESTMELDER_PROGRAM, [&] { held = Hold(folder + "Festmelder.tmp"); }));
    Sleep(3000);
    EXPECT_TRUE(Has("Festmelder.tmp"));
    CloseHandle(held);
    EXPECT_TRUE(WaitUntil([&] { return !Has("Festmelder.tmp"); }, "Festmelder.tmp gone", 3000));
}

// At log-off Windows asks whether the session may end: the question about
// unsaved changes decides, and the program ends only when the session does.
// Asked while another program is in front, it opens above the main window.
TEST_F(Festmelder, LogOffAsksAboutUnsavedChangesAndEndsWithTheSession) {
    const std::string changed = kAnna + Record("Carl", 1, 1, 1970);
    const std::tuple<bool, std::vector<int>, BOOL, std::string, bool> cases[] = {
        // changes made, the answers, whether the session may end, the data file then, ours in front
        {false, {}, TRUE, kAnna, false},
        {true, {IDCANCEL}, FALSE, kAnna, false},
        {true, {IDNO}, TRUE, kAnna, false},
        {true, {IDYES}, TRUE, changed, true},
        {true, {IDYES, IDOK}, FALSE, kAnna, false}}; // the save fails
    HWND other = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, 0, 0, 0, 0);
    for (const auto& [edit, answers, mayEnd, file, behind] : cases) {
        SCOPED_TRACE(testing::Message() << answers.size() << " answers, the first "
                                        << (answers.empty() ? 0 : answers[0]) << behind);
        ASSERT_TRUE(Start(kAnna));
        if (answers.size() == 2) CreateDirectoryA((folder + "Festmelder.dat.new").c_str(), nullptr);
        ASSERT_TRUE(!edit || Do({{Tab, 1}, {Fill, "Carl|1|1|1970"}, Return}));
        ASSERT_TRUE(!behind || (SetForegroundWindow(other),
                                WaitUntil([&] { return GetForegroundWindow() == other; }, "ours")));
        DWORD_PTR reply = 99;
        std::thread logOff([&] {
            SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000 * kSlowness,
                                &reply);
        });
        for (int answer : answers) {
            EXPECT_TRUE(WaitUntil([&] { return Look().box != ""; }, "a box"));
            EXPECT_EQ(Look().box, answer == IDOK ? Boxes.saveError : Boxes.unsaved);
            ASSERT_TRUE(Do({{Answer, answer}}));
        }
        logOff.join();
        EXPECT_EQ(reply, DWORD_PTR(mayEnd));
        EXPECT_EQ(File("Festmelder.dat"), file);
        SendMessageTimeoutA(window, WM_ENDSESSION, mayEnd, 0, SMTO_NORMAL, 5000 * kSlowness,
                            nullptr);
        if (mayEnd) {
            EXPECT_TRUE(Ended());
        } else {
            EXPECT_EQ(Look().toolbar, "ES-DI-H") << "still running, with the changes";
        }
        RemoveDirectoryA((folder + "Festmelder.dat.new").c_str());
    }
    DestroyWindow(other);
}

} // namespace e2e
