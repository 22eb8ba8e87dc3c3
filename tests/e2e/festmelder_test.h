// What the end-to-end tests of Festmelder.exe share: the bytes of its data
// file, the dates around today, its gadgets and commands by name, and the
// message boxes it shows, as a user sees them.
#pragma once

#include <string>
#include <vector>

#include "tests/e2e/app_test.h"

namespace festmelder {

// One record of Festmelder.dat; year 0 is an unknown year.
std::string Record(const std::string& name, int day, int month, int year);
// A line of the register list: the name in 33 columns, then the date.
std::string RegisterLine(const std::string& name, const std::string& date);

// A date as the Windows calendar has it, independent of the program's own.
struct Date {
    int day, month, year;
    int weekday; // 0 = Sunday
};
// Today (local time, as the program reads it) moved by a number of days.
Date DaysFromToday(int days);

enum Command {
    kSettings = 1,
    kSave = 2,
    kDelete = 3,
    kPrint = 4,
    kInfo = 5,
    kUpdate = 6,
    kHomePage = 7,
};

struct BoxLooks {
    std::string title;
    std::string text;
    std::vector<int> buttons; // IDOK, IDYES, ... in any order
    std::string icon;         // as ui::MessageBoxIcon names it
};

extern const BoxLooks InputErrorBox;
extern const BoxLooks DeleteQuestionBox;
extern const BoxLooks SaveErrorBox;
extern const BoxLooks UnsavedDataBox;

class FestmelderTest : public ui::AppTest {
  protected:
    HWND Gadget(int gadget) const { return ui::FindGadget(app, gadget); }
    std::vector<std::string> ReportLines() const;
    std::vector<std::string> RegisterLines() const;
    bool Enabled(Command command) const;
    // What has the keyboard focus, by the gadget's name ("name field", "tab
    // row", ...), so that a failure says where it went.
    std::string Focused() const;
    // The four fields' texts as "name|day|month|year".
    std::string Fields() const;
    // Puts texts into the four fields at once. WM_SETTEXT passes over the
    // date fields' digit check and length limit: only typing meets those.
    testing::AssertionResult Fill(const std::string& name, const std::string& day,
                                  const std::string& month, const std::string& year);
    testing::AssertionResult PressReturn() { return ui::PressKey(app, VK_RETURN); }
    testing::AssertionResult Click(Command command) { return ui::ClickToolbarButton(app, command); }
    // Waits for a message box of the program and checks that it looks as
    // expected and is owned by the main window, which it disables.
    testing::AssertionResult ShowsBox(const BoxLooks& expected, ui::MessageBoxInfo& box);
    // ShowsBox, then the box's button.
    testing::AssertionResult Answer(const BoxLooks& expected, int button);
};

} // namespace festmelder
