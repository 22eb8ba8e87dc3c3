// The window at the start, its toolbar, keyboard, focus and editing with its boxes.
#include "tests/e2e/driver.h"

#include <commctrl.h>

namespace e2e {

const std::string AnnaAndBert = Record("Anna", 5, 3, 1987) + Record("Bert", 24, 12, 0);
const auto Anna = RegisterLine("Anna", "05.03.1987"), Bert = RegisterLine("Bert", "24.12.0000");

TEST_F(Festmelder, StartsWithTodaysReportAndTheRegisterInTheOrderOfTheFile) {
    SYSTEMTIME today;
    GetLocalTime(&today); // 28 years back, so that a 29th of February was one then too
    ASSERT_TRUE(Start(Record("Zoe", 1, 2, 1990) +
                      Record("Jürgen Öztürk", today.wDay, today.wMonth, today.wYear - 28)));
    Snapshot shot = Look();
    EXPECT_EQ(Lines(shot.report.begin() + 1, shot.report.end()),
              (Lines{"Heute:", "", "     Jürgen Öztürk", "     wird 28 Jahre alt", "",
                     "Morgen:", "", "Übermorgen:", "", "Restliche Woche:", ""}));
    EXPECT_EQ(shot.entries.at(0), RegisterLine("Zoe", "01.02.1990"));
    EXPECT_EQ(shot.tab, 0);
    EXPECT_EQ(shot.focus, kReport);
    EXPECT_EQ(shot.toolbar, "E--DIUH");
    // Its tooltips show also while another program is active.
    HWND toolbar = FindWindowExA(window, nullptr, TOOLBARCLASSNAMEA, nullptr);
    auto tooltips = reinterpret_cast<HWND>(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0));
    EXPECT_TRUE(GetWindowLongPtrA(tooltips, GWL_STYLE) & TTS_ALWAYSTIP);
}

// Speichern only with unsaved changes, Internet Update only without, Löschen
// for a chosen entry on the data tab, Drucken with entries.
TEST_F(Festmelder, TheFirstEntryMakesTheDataFileAndTheToolbarFollows) {
    ASSERT_TRUE(Start(std::nullopt));
    const std::pair<std::vector<Step>, std::string> stages[] = {
        {{}, "E---IUH"},
        {{{Tab, 1}, {Fill, "Anna|5|3|1987"}, Return}, "ES-DI-H"},
        {{{Choose, 0}}, "ESLDI-H"},
        {{{Tab, 0}}, "ES-DI-H"},
        {{{Click, kSave}}, "E--DIUH"},
    };
    for (const auto& [steps, toolbar] : stages) {
        ASSERT_TRUE(Do(steps));
        EXPECT_EQ(Look().toolbar, toolbar) << "after stage " << &toolbar - &stages[0].second;
    }
    EXPECT_EQ(File("Festmelder.dat"), "Anna\r\n5\r\n3\r\n1987\r\n");
}

// Out of sight on the birthdays tab, the fields must not be applied there. On
// the data tab Return applies them once wherever the focus is, also on the
// apply button, which is the default button too.
TEST_F(Festmelder, ReturnAppliesOnlyOnTheDataTabAndOnlyOnce) {
    ASSERT_TRUE(Start(AnnaAndBert));
    ASSERT_TRUE(Do({{Tab, 1}, {Fill, "Carl|1|1|1970"}, {Tab, 0}, Return}));
    EXPECT_EQ(Look().entries, (Lines{Anna, Bert}));
    ASSERT_TRUE(Do({{Tab, 1}, ShiftTab}));
    EXPECT_EQ(Look().focus, kTabs);
    ASSERT_TRUE(Do({Return, {Fill, "Dora|2|2|1980"}, TabKey, TabKey, TabKey, TabKey}));
    EXPECT_EQ(Look().focus, kApply);
    ASSERT_TRUE(Do({Return}));
    Snapshot shot = Look();
    EXPECT_EQ(shot.entries, (Lines{Anna, Bert, RegisterLine("Carl", "01.01.1970"),
                                   RegisterLine("Dora", "02.02.1980")}));
    EXPECT_EQ(shot.box, "");
}

// The date fields take only as many digits as fit. An entry joins the register
// in name order; a chosen one comes into the fields to be deleted; a faulty
// one is refused.
TEST_F(Festmelder, EntriesAreTypedChosenDeletedOrRefused) {
    ASSERT_TRUE(Start(AnnaAndBert));
    ASSERT_TRUE(
        Do({{Tab, 1}, {Type, "Aaron", kName}, {Type, "x7", kDay}, {Type, "0-6 1", kMonth}}));
    ASSERT_TRUE(Do({{Type, "19a75,5", kYear}, Push}));
    Snapshot shot = Look();
    EXPECT_EQ(shot.entries, (Lines{RegisterLine("Aaron", "07.06.1975"), Anna, Bert}));
    EXPECT_EQ(shot.fields + " " + std::to_string(shot.focus), "||| 2") << "empty, name focused";
    ASSERT_TRUE(Do({{Choose, 2}, {Click, kDelete}}));
    shot = Look();
    EXPECT_EQ(shot.fields + " " + std::to_string(shot.chosen), "Bert|24|12|0 2");
    EXPECT_EQ(shot.box, Boxes.deleteQuestion);
    ASSERT_TRUE(Do({{Answer, IDYES}, {Fill, "Carl|32|1|1970"}, Return}));
    shot = Look();
    EXPECT_EQ(shot.entries, (Lines{RegisterLine("Aaron", "07.06.1975"), Anna}));
    EXPECT_EQ(shot.box, Boxes.inputError);
    ASSERT_TRUE(Do({{Answer, IDOK}}));
    EXPECT_EQ(Look().focus, kDay);
}

} // namespace e2e
