// The window: the report at the start, keyboard and focus, typing and editing.
#include "tests/e2e/driver.h"

namespace e2e {

// It starts with today's report (28 years back, so that a 29th of February was
// one then too), the register in the order of the file and its toolbar's tips
// shown also while another program is active. The date fields take only as
// many digits as fit. Return applies the fields once wherever the focus is,
// also on the apply button, which is the default button too; out of sight on
// the birthdays tab, never. An entry joins the register in name order and
// empties the fields; a chosen one comes into them to be deleted; a faulty one
// is refused. Speichern writes what is left.
TEST_F(Festmelder, StartsWithTodaysReportAndTakesEntriesTypedChosenDeletedOrRefused) {
    SYSTEMTIME today;
    GetLocalTime(&today);
    const std::string jurgen = Record("Jürgen Öztürk", today.wDay, today.wMonth, today.wYear - 28);
    ASSERT_TRUE(Start(Record("Zoe", 1, 2, 1990) + jurgen));
    Snapshot shot = Look();
    EXPECT_EQ(Lines(shot.report.begin() + 1, shot.report.begin() + 5),
              (Lines{"Heute:", "", "     Jürgen Öztürk", "     wird 28 Jahre alt"}));
    EXPECT_EQ(shot.entries.at(0), RegisterLine("Zoe", "01.02.1990"));
    EXPECT_EQ(shot.focus, kReport);
    auto tips = HWND(Ask(Toolbar(window), TB_GETTOOLTIPS));
    EXPECT_TRUE(GetWindowLongPtrA(tips, GWL_STYLE) & TTS_ALWAYSTIP);
    ASSERT_TRUE(Do({Tab(1), Type(kName, "Aaron"), Type(kDay, "x7"), Type(kMonth, "0-6 1"),
                    Type(kYear, "19a75,5"), Key(VK_TAB), Key(VK_TAB), Key(VK_TAB), Key(VK_TAB)}));
    EXPECT_EQ(Look().focus, kApply);
    ASSERT_TRUE(Key(VK_RETURN));
    const Lines three = {RegisterLine("Aaron", "07.06.1975"), shot.entries.at(1),
                         RegisterLine("Zoe", "01.02.1990")};
    EXPECT_EQ(Look().entries, three);
    EXPECT_EQ(Look().fields, "|||");
    EXPECT_EQ(Look().focus, kName);
    ASSERT_TRUE(Choose(2));
    EXPECT_EQ(Look().fields, "Zoe|1|2|1990");
    ASSERT_TRUE(Do({Fill("Carl|1|1|1970"), Tab(0), Key(VK_RETURN)}));
    EXPECT_EQ(Look().entries, three);
    ASSERT_TRUE(Do({Tab(1), Click(kDelete), Answer(IDYES, Boxes.deleteQuestion)}));
    ASSERT_TRUE(Do({Fill("Carl|32|1|1970"), Push(), Answer(IDOK, Boxes.inputError)}));
    EXPECT_EQ(Look().entries, Lines(three.begin(), three.end() - 1));
    EXPECT_EQ(Look().focus, kDay);
    ASSERT_TRUE(Click(kSave));
    EXPECT_EQ(File("Festmelder.dat"), Record("Aaron", 7, 6, 1975) + jurgen);
}

} // namespace e2e
