// The main window as it comes up, its toolbar's information commands, and
// screenshots of both tabs to look at.

#include "tests/e2e/festmelder_test.h"

namespace festmelder {
namespace {

const std::string SampleRegister = Record("Anna", 5, 3, 1987) + Record("Bert", 24, 12, 0);

class Window : public FestmelderTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start(SampleRegister)); }
};

TEST_F(Window, IsAFixedTopmostWindowInTheMiddleOfTheScreen) {
    EXPECT_EQ(ui::Text(app.window), "Festmelder");
    RECT client, frame;
    ASSERT_TRUE(GetClientRect(app.window, &client));
    EXPECT_EQ(client.right, 335);
    EXPECT_EQ(client.bottom, 300);
    ASSERT_TRUE(GetWindowRect(app.window, &frame));
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (frame.right - frame.left)) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (frame.bottom - frame.top)) / 2);

    LONG style = GetWindowLongW(app.window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_TRUE(style & WS_MINIMIZEBOX) << "expected a minimise box";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX) << "expected no maximise box";
    EXPECT_FALSE(style & WS_THICKFRAME) << "expected a frame that cannot be resized";
    EXPECT_TRUE(GetWindowLongW(app.window, GWL_EXSTYLE) & WS_EX_TOPMOST)
        << "expected the window to stay on top";
}

TEST_F(Window, ToolbarShowsItsButtonsInOrderWithNothingToSaveYet) {
    constexpr int sep = ui::kToolbarSeparator;
    EXPECT_EQ(ui::ToolbarItems(ui::FindToolbar(app)),
              (std::vector<int>{2, sep, 3, sep, 4, sep, 1, sep, 6, sep, 7, sep, 5}));
    EXPECT_FALSE(Enabled(kSave));
    EXPECT_FALSE(Enabled(kDelete));
    EXPECT_TRUE(Enabled(kPrint));
    EXPECT_TRUE(Enabled(kUpdate));
    EXPECT_TRUE(Enabled(kSettings));
    EXPECT_TRUE(Enabled(kInfo));
    EXPECT_TRUE(Enabled(kHomePage));
}

TEST_F(Window, OpensOnTheBirthdaysTabWithTheReportFocused) {
    EXPECT_EQ(ui::TabCaptions(app),
              (std::vector<std::string>{"                Geburtstage                ",
                                        "           Datenverwaltung            "}));
    EXPECT_EQ(ui::CurrentTab(app), 0);
    EXPECT_TRUE(IsWindowVisible(Gadget(ui::kReportList)));
    EXPECT_FALSE(IsWindowVisible(Gadget(ui::kNameEdit)));
    EXPECT_FALSE(IsWindowVisible(Gadget(ui::kRegisterList)));
    EXPECT_EQ(Focused(), "report list");
}

RECT PlaceOf(HWND window) {
    RECT place = {};
    GetWindowRect(window, &place);
    return place;
}

TEST_F(Window, DataTabShowsTheDateAsOneRowWithDotsBetweenTheFields) {
    ASSERT_TRUE(ui::SelectTab(app, 1));
    EXPECT_FALSE(IsWindowVisible(Gadget(ui::kReportList)));
    const std::pair<int, const char*> labels[] = {{9, "Name:"},
                                                  {10, "Geburtsdatum:"},
                                                  {7, "."},
                                                  {8, "."},
                                                  {6, "\xDC"
                                                      "bernehmen"}};
    for (const auto& [gadget, text] : labels) {
        ASSERT_NE(Gadget(gadget), nullptr) << "gadget " << gadget;
        EXPECT_EQ(ui::Text(Gadget(gadget)), text) << "gadget " << gadget;
    }
    // Left to right, each clear of the one before, all level with the day.
    const int row[] = {10, ui::kDayEdit, 7, ui::kMonthEdit, 8, ui::kYearEdit, ui::kPushButton};
    RECT day = PlaceOf(Gadget(ui::kDayEdit));
    int previousRight = -1;
    for (int gadget : row) {
        HWND window = Gadget(gadget);
        ASSERT_NE(window, nullptr) << "gadget " << gadget;
        EXPECT_TRUE(IsWindowVisible(window)) << "gadget " << gadget;
        RECT place = PlaceOf(window);
        EXPECT_GE(place.left, previousRight) << "gadget " << gadget << " overlaps the one before";
        EXPECT_TRUE(place.top < day.bottom && place.bottom > day.top)
            << "gadget " << gadget << " is not in the row of the date";
        previousRight = place.right;
    }
    EXPECT_LE(PlaceOf(Gadget(ui::kNameEdit)).bottom, day.top) << "expected the name above the date";
    EXPECT_LE(day.bottom, PlaceOf(Gadget(ui::kRegisterList)).top)
        << "expected the register below the date";
}

TEST_F(Window, InfoTellsTheVersionAndWhereTheProgramComesFrom) {
    ASSERT_TRUE(Click(kInfo));
    BoxLooks about = {"\xDC"
                      "ber Festmelder",
                      "Festmelder\r\nVersion: 1.2.27\r\n\r\n"
                      "\xA9 2008-2026 Festmelder-Team\r\n\r\n"
                      "Dieses Programm ist Freeware.\r\n\r\n"
                      "Bitte beachten Sie die Lizenzinformationen\t\r\n"
                      "in der beiliegenden Textdatei.\r\n\r\n"
                      "www.festmelder.example/freeware.htm",
                      {IDOK},
                      "information"};
    ASSERT_TRUE(Answer(about, IDOK));
    EXPECT_TRUE(IsWindowEnabled(app.window)) << "expected the window usable again after OK";
}

TEST_F(Window, HomePageOpensTheAddressInTheWebBrowser) {
    char log[MAX_PATH] = "";
    ASSERT_GT(GetEnvironmentVariableA("FESTMELDER_BROWSER_LOG", log, MAX_PATH), 0u)
        << "FESTMELDER_BROWSER_LOG names the fake browser's log";
    std::string logFile = ui::WindowsPath(log);
    DeleteFileA(logFile.c_str());
    ASSERT_TRUE(Click(kHomePage));
    std::string expected = "http://www.festmelder.example/freeware.htm\n";
    EXPECT_TRUE(ui::WaitUntil([&] { return ui::ReadWholeFile(logFile) == expected; },
                              "the home page address in " + logFile))
        << "got \"" << ui::ReadWholeFile(logFile) << "\"";
}

// Kept for a look at the layout: the folder is FESTMELDER_SCREENSHOT_FOLDER,
// which the build sets; without it the pictures go to the run's folder.
std::string ScreenshotFolder(const ui::App& app) {
    char folder[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA("FESTMELDER_SCREENSHOT_FOLDER", folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return app.folder;
    std::string windowsFolder = ui::WindowsPath(folder) + "\\";
    CreateDirectoryA(windowsFolder.c_str(), nullptr);
    return windowsFolder;
}

using Screenshots = FestmelderTest;

TEST_F(Screenshots, ShowBothTabsWithASampleRegister) {
    Date today = DaysFromToday(0), soon = DaysFromToday(2), later = DaysFromToday(5);
    ASSERT_TRUE(Start(Record("Anna Schmidt", today.day, today.month, 1987) +
                      Record("Bj\xF6rn \xD6hlund", soon.day, soon.month, 0) +
                      Record("J\xFCrgen M\xFCller", later.day, later.month, 1950) +
                      Record("Zo\xEB Wei\xDF", 29, 2, 2004) +
                      Record("\xC4nne Kr\xE4mer-Sch\xF6nfeld von Gro\xDF", 1, 1, 1999)));
    std::string folder = ScreenshotFolder(app);
    ASSERT_TRUE(ui::SaveScreenshot(app, folder + "birthdays-tab.bmp", app.window));

    ASSERT_TRUE(ui::SelectTab(app, 1));
    ASSERT_TRUE(ui::SelectListLine(app, Gadget(ui::kRegisterList), 2));
    ASSERT_EQ(Fields(), "J\xFCrgen M\xFCller|" + std::to_string(later.day) + "|" +
                            std::to_string(later.month) + "|1950");
    ASSERT_TRUE(ui::SaveScreenshot(app, folder + "data-tab.bmp", app.window));
    for (const char* name : {"birthdays-tab.bmp", "data-tab.bmp"})
        EXPECT_EQ(ui::ReadWholeFile(folder + name).substr(0, 2), "BM") << name;
}

} // namespace
} // namespace festmelder
