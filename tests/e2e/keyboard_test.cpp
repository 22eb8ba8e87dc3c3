// Working with the keyboard alone: where Tab and Shift+Tab go, what a field
// selects when the focus comes and goes, what the date fields take, and what
// Return does on each tab.
#include "tests/e2e/festmelder_test.h"

namespace festmelder {
namespace {

class Keyboard : public FestmelderTest {
  protected:
    void SetUp() override { ASSERT_TRUE(Start(Record("Anna", 5, 3, 1987))); }

    // Presses Tab (or Shift+Tab) once for each stop and checks where the
    // focus is after each.
    void ExpectTabStops(const std::vector<std::string>& stops, int modifiers) {
        for (const std::string& stop : stops) {
            ASSERT_TRUE(ui::PressKey(app, VK_TAB, modifiers));
            EXPECT_EQ(Focused(), stop);
        }
    }
};

TEST_F(Keyboard, TabAndShiftTabGoRoundTheDataTab) {
    ASSERT_TRUE(ui::SelectTab(app, 1));
    ASSERT_EQ(Focused(), "name field");
    ExpectTabStops({"day field", "month field", "year field", "the button", "register list",
                    "tab row", "name field"},
                   ui::kNoModifier);
    ExpectTabStops({"tab row", "register list", "the button", "year field", "month field",
                    "day field", "name field"},
                   ui::kShift);
}

TEST_F(Keyboard, TabAndShiftTabGoBetweenTabRowAndReport) {
    ASSERT_EQ(Focused(), "report list");
    ExpectTabStops({"tab row", "report list"}, ui::kNoModifier);
    ExpectTabStops({"tab row", "report list"}, ui::kShift);
}

TEST_F(Keyboard, ComingToTheDataTabSelectsTheWholeName) {
    ASSERT_TRUE(ui::SelectTab(app, 1));
    ASSERT_TRUE(ui::TypeText(app, Gadget(ui::kNameEdit), "Bertram"));
    ASSERT_TRUE(ui::SelectTab(app, 0));
    ASSERT_TRUE(ui::SelectTab(app, 1));
    EXPECT_EQ(Focused(), "name field");
    EXPECT_EQ(ui::EditSelection(Gadget(ui::kNameEdit)), (ui::Selection{0, 7}));
}

// So that typing replaces a field that one comes to, and the text of one
// left behind is not shown selected.
TEST_F(Keyboard, AFieldSelectsItsTextOnEnteringAndPutsTheCaretAtTheEndOnLeaving) {
    ASSERT_TRUE(ui::SelectTab(app, 1));
    ASSERT_TRUE(Fill("Bertram", "24", "12", "1960"));
    ASSERT_TRUE(ui::PressKey(app, VK_TAB));
    EXPECT_EQ(ui::EditSelection(Gadget(ui::kNameEdit)), (ui::Selection{7, 7}));
    EXPECT_EQ(ui::EditSelection(Gadget(ui::kDayEdit)), (ui::Selection{0, 2}));
    ASSERT_TRUE(ui::PressKey(app, VK_TAB));
    ASSERT_TRUE(ui::PressKey(app, VK_TAB));
    EXPECT_EQ(ui::EditSelection(Gadget(ui::kMonthEdit)), (ui::Selection{2, 2}));
    EXPECT_EQ(ui::EditSelection(Gadget(ui::kYearEdit)), (ui::Selection{0, 4}));
    ASSERT_TRUE(ui::PressKey(app, VK_TAB, ui::kShift));
    EXPECT_EQ(ui::EditSelection(Gadget(ui::kYearEdit)), (ui::Selection{4, 4}));
    EXPECT_EQ(ui::EditSelection(Gadget(ui::kMonthEdit)), (ui::Selection{0, 2}));
}

TEST_F(Keyboard, DateFieldsTakeOnlyDigitsAndNoMoreThanFit) {
    ASSERT_TRUE(ui::SelectTab(app, 1));
    ASSERT_TRUE(ui::TypeText(app, Gadget(ui::kNameEdit), "Zo\xEB 2."));
    ASSERT_TRUE(ui::TypeText(app, Gadget(ui::kDayEdit), "1a2.3"));
    ASSERT_TRUE(ui::TypeText(app, Gadget(ui::kMonthEdit), "x0-9 1"));
    ASSERT_TRUE(ui::TypeText(app, Gadget(ui::kYearEdit), "19a87,5"));
    EXPECT_EQ(Fields(), "Zo\xEB 2.|12|09|1987");
}

// On the birthdays tab the fields are out of sight: Return must not apply
// them, neither through the accelerator nor as the default button.
TEST_F(Keyboard, ReturnOnTheBirthdaysTabAppliesNothing) {
    ASSERT_TRUE(ui::SelectTab(app, 1));
    ASSERT_TRUE(Fill("Bert", "24", "12", "1960"));
    ASSERT_TRUE(ui::SelectTab(app, 0));
    ASSERT_TRUE(PressReturn());
    EXPECT_EQ(Focused(), "report list");
    ASSERT_TRUE(ui::PressKey(app, VK_TAB));
    ASSERT_EQ(Focused(), "tab row");
    ASSERT_TRUE(PressReturn());
    EXPECT_EQ(Focused(), "report list");

    EXPECT_FALSE(ui::FindMessageBox(app)) << "expected no message box";
    EXPECT_FALSE(Enabled(kSave)) << "expected nothing to save";
    ASSERT_TRUE(ui::SelectTab(app, 1));
    EXPECT_EQ(RegisterLines(), std::vector<std::string>{RegisterLine("Anna", "05.03.1987")});
    EXPECT_EQ(Fields(), "Bert|24|12|1960");
}

TEST_F(Keyboard, ReturnAppliesOnTheDataTabWhereverTheFocusIs) {
    ASSERT_TRUE(ui::SelectTab(app, 1));
    ASSERT_TRUE(Fill("Bert", "24", "12", "1960"));
    ASSERT_TRUE(ui::PressKey(app, VK_TAB, ui::kShift));
    ASSERT_EQ(Focused(), "tab row");
    ASSERT_TRUE(PressReturn());
    ASSERT_TRUE(Fill("Carl", "1", "1", "1970"));
    ExpectTabStops({"day field", "month field", "year field", "the button"}, ui::kNoModifier);
    // The button is the default one too: this must still apply once only,
    // or the second time would find the fields empty and complain.
    ASSERT_TRUE(PressReturn());
    ASSERT_TRUE(Fill("Dora", "2", "2", "1980"));
    ASSERT_TRUE(ui::PressKey(app, VK_TAB, ui::kShift));
    ASSERT_TRUE(ui::PressKey(app, VK_TAB, ui::kShift));
    ASSERT_EQ(Focused(), "register list");
    ASSERT_TRUE(PressReturn());

    EXPECT_FALSE(ui::FindMessageBox(app)) << "expected no message box";
    EXPECT_EQ(RegisterLines(), (std::vector<std::string>{RegisterLine("Anna", "05.03.1987"),
                                                         RegisterLine("Bert", "24.12.1960"),
                                                         RegisterLine("Carl", "01.01.1970"),
                                                         RegisterLine("Dora", "02.02.1980")}));
}

} // namespace
} // namespace festmelder
