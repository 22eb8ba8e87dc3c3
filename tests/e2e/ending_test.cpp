// Around the program's start and end, where other programs are involved: a
// data file held at log-on, the end of the session.
#include <thread>

#include "tests/e2e/driver.h"

namespace e2e {

const std::string kAnna = Record("Anna", 5, 3, 1987);

// Held without sharing, as a backup program may, through the tries: reported
// and left as it was.
TEST_F(Festmelder, ADataFileHeldThroughTheTriesIsReportedAndNeverReplaced) {
    HANDLE held = nullptr;
    ASSERT_TRUE(Start(kAnna, FESTMELDER_PROGRAM, [&] {
        held = CreateFileA((folder + "Festmelder.dat").c_str(), GENERIC_READ, 0, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    }));
    ASSERT_TRUE(Answer(IDOK, Boxes.readError) && Ended());
    CloseHandle(held);
    EXPECT_EQ(File("Festmelder.dat"), kAnna);
}

// At log-off Windows asks whether the session may end: the question about
// unsaved changes decides, and the program ends only when the session does,
// keeping the changes when the save fails. Asked while another program is in
// front, the boxes open above the main window.
TEST_F(Festmelder, LogOffAsksAboutUnsavedChangesAndEndsWithTheSession) {
    const std::string inTheWay = "Festmelder.dat.new"; // a folder: the save fails
    HWND other = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, 0, 0, 0, 0);
    ASSERT_TRUE(Start(kAnna) && CreateDirectoryA((folder + inTheWay).c_str(), nullptr));
    ASSERT_TRUE(Do({Tab(1), Fill("Carl|1|1|1970"), Key(VK_RETURN)}));
    for (BOOL saved : {FALSE, TRUE}) {
        SCOPED_TRACE(saved ? "saved" : "the save fails");
        SetForegroundWindow(other);
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other; }, "ours in front"));
        DWORD_PTR mayEnd = 99;
        std::thread logOff([&] {
            SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000 * kSlowness,
                                &mayEnd);
        });
        // Not ASSERT: the thread must be joined; its message times out if nobody answers.
        EXPECT_TRUE(Answer(IDYES, Boxes.unsaved));
        EXPECT_TRUE(saved ? Look().box == "" : Answer(IDOK, Boxes.saveError));
        logOff.join();
        EXPECT_EQ(mayEnd, DWORD_PTR(saved));
        SendMessageTimeoutA(window, WM_ENDSESSION, saved, 0, SMTO_NORMAL, 5000 * kSlowness,
                            nullptr);
        RemoveDirectoryA((folder + inTheWay).c_str());
    }
    EXPECT_TRUE(Ended());
    EXPECT_EQ(File("Festmelder.dat"), kAnna + Record("Carl", 1, 1, 1970));
    DestroyWindow(other);
}

} // namespace e2e
