// The UI driver against the stub program (stub_app.cpp), which has
// Festmelder's windows and shows in its labels what reached it: each helper
// is shown to do what the end-to-end tests of Festmelder will rely on.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <iterator>
#include <set>

#include "tests/e2e/app_test.h"

namespace {

using ui::App;
using ui::FindGadget;

// Literals are split where a letter would otherwise lengthen a hex escape.
const std::vector<std::string> ReportLines = {
    "Heute: Anna (30)",
    "\xDC"
    "bermorgen: J\xFC"
    "rgen (41)",
    "In 5 Tagen: Zo\xEB \x80", // \x80 is the euro sign, outside Latin-1
};

std::string DataFile() {
    std::string bytes;
    for (const std::string& line : ReportLines) bytes += line + "\r\n";
    return bytes;
}

class Driver : public ui::AppTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start(DataFile())); }
};

class DriverOnRegisterPage : public Driver {
  protected:
    void SetUp() override {
        Driver::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(ui::SelectTab(app, 1));
    }
};

// --- Starting and ending

TEST_F(Driver, StartsTheProgramInAFreshFolderWithItsDataFile) {
    EXPECT_EQ(app.folder.back(), '\\');
    EXPECT_EQ(app.exePath, app.folder + "Festmelder.exe");
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat"), DataFile());
    EXPECT_EQ(ui::Text(app.window), "Festmelder");
    EXPECT_TRUE(GetWindowLongW(app.window, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

using DriverWithoutDataFile = ui::AppTest;

TEST_F(DriverWithoutDataFile, StartsTheProgramWithoutOne) {
    ASSERT_TRUE(Start(std::nullopt));
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat"), std::nullopt);
    EXPECT_TRUE(ui::ListLines(FindGadget(app, ui::kReportList)).empty());
}

TEST(Paths, UnixPathsBecomeWinePathsOnDriveZ) {
    EXPECT_EQ(ui::WindowsPath("/tmp/a b/Festmelder.exe"), "Z:\\tmp\\a b\\Festmelder.exe");
    EXPECT_EQ(ui::WindowsPath("C:\\x\\y.exe"), "C:\\x\\y.exe");
    EXPECT_EQ(ui::WindowsPath("y.exe"), "y.exe");
}

TEST_F(Driver, ReadsTheExitCodeAfterTheMainWindowClosed) {
    ui::CloseMainWindow(app);
    DWORD exitCode = 99;
    ASSERT_TRUE(ui::WaitForExit(app, exitCode));
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(ui::IsRunning(app));
}

TEST_F(Driver, KillEndsTheProgramEvenWhileAMessageBoxIsOpen) {
    ASSERT_TRUE(ui::ClickToolbarButton(app, 5));
    ui::MessageBoxInfo box;
    ASSERT_TRUE(ui::WaitForMessageBox(app, box));
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, app.pid);
    ui::Kill(app);
    EXPECT_EQ(WaitForSingleObject(process, 0), WAIT_OBJECT_0);
    CloseHandle(process);
    EXPECT_FALSE(ui::IsRunning(app));
}

TEST_F(Driver, WaitsTellWhatTheyWaitedFor) {
    ui::MessageBoxInfo box;
    testing::AssertionResult waited = ui::WaitForMessageBox(app, box, 200);
    EXPECT_FALSE(waited);
    EXPECT_STREQ(waited.message(),
                 ("waited 200 ms for a message box of process " + std::to_string(app.pid)).c_str());
    DWORD exitCode = 0;
    EXPECT_FALSE(ui::WaitForExit(app, exitCode, 100));
}

// --- Gadgets

TEST_F(Driver, FindsEveryGadgetByItsNumber) {
    for (int gadget = ui::kReportList; gadget <= ui::kRegisterList; ++gadget) {
        HWND window = FindGadget(app, gadget);
        ASSERT_NE(window, nullptr) << "gadget " << gadget;
        EXPECT_EQ(GetDlgCtrlID(window), gadget);
    }
    EXPECT_TRUE(ui::HasClass(FindGadget(app, ui::kPushButton), "button"));
    EXPECT_TRUE(ui::HasClass(ui::FindToolbar(app), TOOLBARCLASSNAMEA));
    EXPECT_TRUE(ui::HasClass(ui::FindTabControl(app), WC_TABCONTROLA));
    EXPECT_EQ(ui::FindChild(app.window, 42), nullptr);
}

TEST_F(Driver, ReadsListLinesInCp1252) {
    EXPECT_EQ(ui::ListLines(FindGadget(app, ui::kReportList)), ReportLines);
}

TEST_F(Driver, SelectsAListLineAndTellsTheListsParent) {
    HWND list = FindGadget(app, ui::kReportList);
    EXPECT_EQ(ui::ListSelection(list), -1);
    ASSERT_TRUE(ui::SelectListLine(app, list, 1));
    EXPECT_EQ(ui::ListSelection(list), 1);
    EXPECT_EQ(ui::Text(FindGadget(app, 7)), ReportLines[1]);
    EXPECT_FALSE(ui::SelectListLine(app, list, 3));
}

TEST_F(Driver, SwitchesTabsAsAClickWould) {
    EXPECT_EQ(ui::CurrentTab(app), 0);
    EXPECT_TRUE(IsWindowVisible(FindGadget(app, ui::kReportList)));
    EXPECT_FALSE(IsWindowVisible(FindGadget(app, ui::kNameEdit)));
    ASSERT_TRUE(ui::SelectTab(app, 1));
    EXPECT_EQ(ui::CurrentTab(app), 1);
    EXPECT_FALSE(IsWindowVisible(FindGadget(app, ui::kReportList)));
    EXPECT_TRUE(IsWindowVisible(FindGadget(app, ui::kNameEdit)));
    EXPECT_EQ(ui::FocusedWindow(app), FindGadget(app, ui::kNameEdit));
    ASSERT_TRUE(ui::SelectTab(app, 0));
    EXPECT_EQ(ui::FocusedWindow(app), FindGadget(app, ui::kReportList));
}

TEST_F(DriverOnRegisterPage, SetsAndReadsAnEditsText) {
    HWND day = FindGadget(app, ui::kDayEdit);
    ASSERT_TRUE(ui::SetText(day, "24"));
    EXPECT_EQ(ui::Text(day), "24");
}

TEST_F(DriverOnRegisterPage, ClicksAPushButtonButNotAHiddenOne) {
    ASSERT_TRUE(ui::ClickButton(app, FindGadget(app, ui::kPushButton)));
    EXPECT_EQ(ui::Text(FindGadget(app, 8)), "Geklickt");
    ASSERT_TRUE(ui::SelectTab(app, 0));
    EXPECT_FALSE(ui::ClickButton(app, FindGadget(app, ui::kPushButton)));
}

// --- Keyboard

TEST_F(DriverOnRegisterPage, TypesIntoTheFocusedEdit) {
    HWND name = FindGadget(app, ui::kNameEdit);
    ASSERT_EQ(ui::FocusedWindow(app), name);
    ASSERT_TRUE(ui::TypeText(app, name, "J\xFCrgen \x80"));
    EXPECT_EQ(ui::Text(name), "J\xFCrgen \x80");
}

TEST_F(DriverOnRegisterPage, EverythingTypedIsHandledWhenTypingReturns) {
    std::string longName(300, 'x');
    HWND name = FindGadget(app, ui::kNameEdit);
    for (int round = 0; round < 5; ++round) {
        ASSERT_TRUE(ui::SetText(name, ""));
        ASSERT_TRUE(ui::TypeText(app, name, longName));
        ASSERT_EQ(ui::Text(name).size(), longName.size()) << "round " << round;
    }
}

TEST_F(DriverOnRegisterPage, ReturnGoesThroughTheAccelerator) {
    ASSERT_TRUE(ui::TypeText(app, ui::FocusedWindow(app), "\xC4gidius"));
    ASSERT_TRUE(ui::PressKey(app, VK_RETURN));
    EXPECT_EQ(ui::ListLines(FindGadget(app, ui::kRegisterList)),
              std::vector<std::string>{"\xC4gidius"});
}

TEST_F(DriverOnRegisterPage, TabAndShiftTabMoveTheFocusThroughThePage) {
    auto focused = [&] { return GetDlgCtrlID(ui::FocusedWindow(app)); };
    ASSERT_EQ(focused(), ui::kNameEdit);
    ASSERT_TRUE(ui::PressKey(app, VK_TAB));
    EXPECT_EQ(focused(), ui::kDayEdit);
    ASSERT_TRUE(ui::PressKey(app, VK_TAB));
    EXPECT_EQ(focused(), ui::kMonthEdit);
    ASSERT_TRUE(ui::PressKey(app, VK_TAB, ui::kShift));
    EXPECT_EQ(focused(), ui::kDayEdit);
    ASSERT_TRUE(ui::PressKey(app, VK_TAB, ui::kShift));
    EXPECT_EQ(focused(), ui::kNameEdit);
    ASSERT_TRUE(ui::PressKey(app, VK_TAB, ui::kShift));
    EXPECT_EQ(focused(), ui::kRegisterList); // round to the last stop
    ASSERT_TRUE(ui::PressKey(app, VK_TAB));  // Shift is up again
    EXPECT_EQ(focused(), ui::kNameEdit);
}

// --- Toolbar

TEST_F(Driver, ReadsTheToolbarsButtonsAndTheirStates) {
    HWND toolbar = ui::FindToolbar(app);
    EXPECT_EQ(ui::ToolbarCommandIds(toolbar), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(ui::ToolbarButtonEnabled(toolbar, 1));
    EXPECT_FALSE(ui::ToolbarButtonEnabled(toolbar, 3));
    EXPECT_EQ(ui::ToolbarButtonState(toolbar, 1) & TBSTATE_ENABLED, TBSTATE_ENABLED);
    EXPECT_EQ(ui::ToolbarButtonState(toolbar, 3) & TBSTATE_ENABLED, 0);
    EXPECT_EQ(ui::ToolbarButtonState(toolbar, 42), -1);
}

TEST_F(Driver, ClicksToolbarButtonsWithTheMouse) {
    HWND label = FindGadget(app, 9);
    ASSERT_TRUE(ui::ClickToolbarButton(app, 1));
    EXPECT_EQ(ui::Text(label), "Befehl 1");
    ASSERT_TRUE(ui::ClickToolbarButton(app, 3)); // disabled: the toolbar sends nothing
    EXPECT_EQ(ui::Text(label), "Befehl 1");
    ASSERT_TRUE(ui::ClickToolbarButton(app, 7));
    EXPECT_EQ(ui::Text(label), "Befehl 7");
    EXPECT_FALSE(ui::ClickToolbarButton(app, 42));
}

// --- Message boxes

TEST_F(Driver, FindsReadsAndAnswersAMessageBox) {
    ASSERT_EQ(GetForegroundWindow(), app.window);
    ASSERT_TRUE(ui::ClickToolbarButton(app, 5)); // settles although the box is modal
    ui::MessageBoxInfo box;
    ASSERT_TRUE(ui::WaitForMessageBox(app, box));
    EXPECT_EQ(box.title, "Festmelder");
    EXPECT_EQ(box.text, "Festmelder-Attrappe\r\nF\xFCr den Treiber");
    EXPECT_EQ(box.owner, app.window);
    EXPECT_TRUE(box.ownerDisabled);
    EXPECT_EQ(std::set<int>(box.buttonIds.begin(), box.buttonIds.end()),
              (std::set<int>{IDOK, IDCANCEL}));

    App again = app; // the box has the main window's title but is passed over
    again.window = nullptr;
    ASSERT_TRUE(ui::WaitForMainWindow(again));
    EXPECT_EQ(again.window, app.window);

    EXPECT_FALSE(ui::AnswerMessageBox(box, IDNO));
    ASSERT_TRUE(ui::AnswerMessageBox(box, IDCANCEL));
    EXPECT_FALSE(ui::FindMessageBox(app));
    ASSERT_TRUE(ui::Settle(app));
    EXPECT_EQ(ui::Text(FindGadget(app, 10)), "Antwort 2");
    EXPECT_TRUE(IsWindowEnabled(app.window));
}

// --- Screenshots and the prefix

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

size_t ColourCount(const std::string& bmp) {
    std::set<std::string> colours;
    for (size_t i = 54; i + 3 <= bmp.size() && colours.size() < 100; i += 3)
        colours.insert(bmp.substr(i, 3));
    return colours.size();
}

TEST_F(Driver, SavesScreenshotsOfTheDesktopAndOfAWindow) {
    std::string screen = app.folder + "..\\driver-selftest-screen.bmp"; // kept for a look
    ASSERT_TRUE(ui::SaveScreenshot(app, screen));
    std::string bytes = ReadFile(screen);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(bytes.size(), 54u + 800 * 3 * 600); // the virtual desktop, rows of 2400 bytes
    EXPECT_GT(ColourCount(bytes), 10u);           // the window is in it, not only the background

    RECT frame;
    GetWindowRect(app.window, &frame);
    std::string window = app.folder + "window.bmp";
    ASSERT_TRUE(ui::SaveScreenshot(app, window, app.window));
    size_t rowBytes = ((frame.right - frame.left) * 3 + 3) & ~3u;
    EXPECT_EQ(ReadFile(window).size(), 54u + rowBytes * (frame.bottom - frame.top));
}

TEST(Prefix, OpensWebAddressesInTheFakeBrowser) {
    char log[MAX_PATH] = "/tmp/festmelder-browser.log"; // fake-browser's choice without it
    GetEnvironmentVariableA("FESTMELDER_BROWSER_LOG", log, MAX_PATH);
    std::string logFile = ui::WindowsPath(log);
    DeleteFileA(logFile.c_str());
    std::string address = "http://festmelder.example/probe-" + std::to_string(GetTickCount());
    ASSERT_GT(reinterpret_cast<INT_PTR>(
                  ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL)),
              32);
    EXPECT_TRUE(ui::WaitUntil([&] { return ReadFile(logFile) == address + "\n"; },
                              "\"" + address + "\" in " + logFile));
}

} // namespace
