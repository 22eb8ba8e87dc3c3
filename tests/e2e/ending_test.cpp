// Around the program's start and end, where other programs are involved: a
// data file held at log-on, the end of the session.
#include <thread>

#include "tests/e2e/driver.h"

namespace e2e {

const std::string kAnna = Record("Anna", 5, 3, 1987);

// Opens a file of the program's folder without sharing, as a backup program may.
HANDLE Hold(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
}

// A data file still held after the tries is reported and left as it was.
TEST_F(Festmelder, ADataFileHeldThroughTheTriesIsReportedAndNeverReplaced) {
    HANDLE held = nullptr;
    ASSERT_TRUE(Start(kAnna, FESTMELDER_PROGRAM, [&] { held = Hold(folder + "Festmelder.dat"); }));
    EXPECT_TRUE(WaitUntil([&] { return Look().box == Boxes.readError; }, "the read error", 10000))
        << Look().box;
    ASSERT_TRUE(Do({{Answer, IDOK}}) && Ended());
    CloseHandle(held);
    EXPECT_EQ(File("Festmelder.dat"), kAnna);
}

// At log-off Windows asks whether the session may end: the question about
// unsaved changes decides, and the program ends only when the session does.
// Asked while another program is in front, it opens above the main window.
TEST_F(Festmelder, LogOffAsksAboutUnsavedChangesAndEndsWithTheSession) {
    struct Case {
        bool saveFails, otherInFront; // the question about the unsaved changes answered Yes
        BOOL sessionMayEnd;
        std::string dataFile;
    };
    const Case cases[] = {{true, false, FALSE, kAnna},
                          {false, true, TRUE, kAnna + Record("Carl", 1, 1, 1970)}};
    HWND other = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, 0, 0, 0, 0);
    for (const Case& row : cases) {
        SCOPED_TRACE(row.saveFails ? "the save fails" : "another window in front");
        ASSERT_TRUE(Start(kAnna));
        if (row.saveFails) CreateDirectoryA((folder + "Festmelder.dat.new").c_str(), nullptr);
        ASSERT_TRUE(Do({{Tab, 1}, {Fill, "Carl|1|1|1970"}, Return}));
        ASSERT_TRUE(!row.otherInFront ||
                    (SetForegroundWindow(other),
                     WaitUntil([&] { return GetForegroundWindow() == other; }, "ours")));
        DWORD_PTR reply = 99;
        std::thread logOff([&] {
            SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000 * kSlowness,
                                &reply);
        });
        EXPECT_TRUE(WaitUntil([&] { return Look().box == Boxes.unsaved; }, "the question"))
            << Look().box;
        ASSERT_TRUE(Do({{Answer, IDYES}}));
        EXPECT_EQ(Look().box, row.saveFails ? Boxes.saveError : "");
        ASSERT_TRUE(!row.saveFails || Do({{Answer, IDOK}}));
        logOff.join();
        EXPECT_EQ(reply, DWORD_PTR(row.sessionMayEnd));
        EXPECT_EQ(File("Festmelder.dat"), row.dataFile);
        SendMessageTimeoutA(window, WM_ENDSESSION, row.sessionMayEnd, 0, SMTO_NORMAL,
                            5000 * kSlowness, nullptr);
        EXPECT_TRUE(row.sessionMayEnd ? Ended() : Result(Look().toolbar == Toolbars.unsaved))
            << "still running, with the changes";
        RemoveDirectoryA((folder + "Festmelder.dat.new").c_str());
    }
    DestroyWindow(other);
}

} // namespace e2e
