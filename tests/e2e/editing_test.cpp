// Keeping the register on the data tab: adding, refusing, changing and
// deleting entries, and the register list they show in.
#include "tests/e2e/festmelder_test.h"

namespace festmelder {
namespace {

const std::string AnnaAndBert = Record("Anna", 5, 3, 1987) + Record("Bert", 24, 12, 0);

class Editing : public FestmelderTest {
  protected:
    void StartOnDataTab(const std::string& dataFile) {
        ASSERT_TRUE(Start(dataFile));
        ASSERT_TRUE(ui::SelectTab(app, 1));
    }
};

TEST_F(Editing, RegisterListShowsNamesAndDatesInFixedColumns) {
    StartOnDataTab(Record("Anna", 5, 3, 1987) +
                   Record("Bartholom\xE4us Alexander von Sch\xF6nberg", 24, 12, 0) +
                   Record("Zo\xEB", 31, 10, 812));
    EXPECT_EQ(RegisterLines(),
              (std::vector<std::string>{"Anna                             05.03.1987",
                                        "Bartholom\xE4us Alexander von Sch   24.12.0000",
                                        "Zo\xEB                              31.10.0812"}));
}

TEST_F(Editing, ATypedEntryJoinsTheRegisterInNameOrder) {
    StartOnDataTab(AnnaAndBert + Record("Zoe", 1, 2, 1990));
    HWND name = Gadget(ui::kNameEdit);
    ASSERT_TRUE(ui::TypeText(app, name, "Bj\xF6rn"));
    ASSERT_TRUE(ui::PressKey(app, VK_TAB));
    ASSERT_TRUE(ui::TypeText(app, ui::FocusedWindow(app), "7"));
    ASSERT_TRUE(ui::PressKey(app, VK_TAB));
    ASSERT_TRUE(ui::TypeText(app, ui::FocusedWindow(app), "6"));
    ASSERT_TRUE(ui::PressKey(app, VK_TAB));
    ASSERT_TRUE(ui::TypeText(app, ui::FocusedWindow(app), "1975"));
    ASSERT_TRUE(PressReturn());

    EXPECT_FALSE(ui::FindMessageBox(app)) << "expected no message box";
    EXPECT_EQ(RegisterLines(), (std::vector<std::string>{RegisterLine("Anna", "05.03.1987"),
                                                         RegisterLine("Bert", "24.12.0000"),
                                                         RegisterLine("Bj\xF6rn", "07.06.1975"),
                                                         RegisterLine("Zoe", "01.02.1990")}));
    EXPECT_EQ(ui::ListSelection(Gadget(ui::kRegisterList)), -1);
    EXPECT_EQ(Fields(), "|||");
    EXPECT_EQ(Focused(), "name field");
    EXPECT_TRUE(Enabled(kSave)) << "expected the new entry to need saving";
    EXPECT_FALSE(Enabled(kUpdate)) << "expected no update while changes are unsaved";
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat"), AnnaAndBert + Record("Zoe", 1, 2, 1990))
        << "expected nothing saved before Speichern";
}

TEST_F(Editing, TheButtonAppliesToo) {
    StartOnDataTab(AnnaAndBert);
    ASSERT_TRUE(Fill("Carl", "1", "1", "1970"));
    ASSERT_TRUE(ui::ClickButton(app, Gadget(ui::kPushButton)));
    EXPECT_FALSE(ui::FindMessageBox(app)) << "expected no message box";
    EXPECT_EQ(RegisterLines(), (std::vector<std::string>{RegisterLine("Anna", "05.03.1987"),
                                                         RegisterLine("Bert", "24.12.0000"),
                                                         RegisterLine("Carl", "01.01.1970")}));
    EXPECT_EQ(Focused(), "name field");
}

// Byte order: capitals before small letters, umlauts after z.
TEST_F(Editing, TheFirstApplySortsAnUnsortedRegisterByteByByte) {
    StartOnDataTab(Record("zack", 1, 1, 0) + Record("\xC4rger", 2, 2, 0) + Record("anna", 3, 3, 0) +
                   Record("Zoe", 4, 4, 0) + Record("Bert", 5, 5, 0));
    ASSERT_TRUE(Fill("Carl", "6", "6", ""));
    ASSERT_TRUE(PressReturn());
    EXPECT_EQ(RegisterLines(),
              (std::vector<std::string>{
                  RegisterLine("Bert", "05.05.0000"), RegisterLine("Carl", "06.06.0000"),
                  RegisterLine("Zoe", "04.04.0000"), RegisterLine("anna", "03.03.0000"),
                  RegisterLine("zack", "01.01.0000"), RegisterLine("\xC4rger", "02.02.0000")}));
}

struct Refusal {
    const char* name;
    const char* day;
    const char* month;
    const char* focusAfterwards;
};

// The checks go name, day, month: the focus goes to the first field that fails.
TEST_F(Editing, RefusesEntriesWithoutNameOrWithImpossibleDates) {
    StartOnDataTab(AnnaAndBert);
    const Refusal refusals[] = {
        {"", "5", "3", "name field"},       {"Carl", "", "3", "day field"},
        {"Carl", "0", "3", "day field"},    {"Carl", "32", "3", "day field"},
        {"Carl", "5", "", "month field"},   {"Carl", "5", "0", "month field"},
        {"Carl", "5", "13", "month field"}, {"", "32", "13", "name field"},
        {"Carl", "32", "13", "day field"},
    };
    for (const Refusal& refusal : refusals) {
        SCOPED_TRACE(std::string("name \"") + refusal.name + "\", day \"" + refusal.day +
                     "\", month \"" + refusal.month + "\"");
        ASSERT_TRUE(Fill(refusal.name, refusal.day, refusal.month, "1970"));
        ASSERT_TRUE(PressReturn());
        ASSERT_TRUE(Answer(InputErrorBox, IDOK));
        EXPECT_EQ(Focused(), refusal.focusAfterwards);
        EXPECT_EQ(Fields(),
                  std::string(refusal.name) + "|" + refusal.day + "|" + refusal.month + "|1970");
    }
    EXPECT_EQ(RegisterLines(), (std::vector<std::string>{RegisterLine("Anna", "05.03.1987"),
                                                         RegisterLine("Bert", "24.12.0000")}));
    EXPECT_FALSE(Enabled(kSave)) << "expected nothing to save after refused entries";
}

// Two digits stand for a year up to this one of this century, or else of
// the last; anything longer is taken as it is.
TEST_F(Editing, CompletesTwoDigitYears) {
    int year = DaysFromToday(0).year;
    std::string thisYear = std::to_string(year), nextYearShort = std::to_string(year - 2000 + 1);
    StartOnDataTab("");
    const std::pair<std::string, std::string> typedAndStored[] = {
        {"", "0000"},
        {"0", "2000"},
        {"5", "2005"},
        {thisYear.substr(2), thisYear},
        {nextYearShort, "19" + nextYearShort},
        {"99", "1999"},
        {"100", "0100"},
        {"1987", "1987"},
    };
    std::vector<std::string> expected;
    char name[] = "A";
    for (const auto& [typed, stored] : typedAndStored) {
        ASSERT_TRUE(Fill(name, "1", "1", typed));
        ASSERT_TRUE(PressReturn());
        expected.push_back(RegisterLine(name, "01.01." + stored));
        ++name[0];
    }
    EXPECT_EQ(RegisterLines(), expected);
}

TEST_F(Editing, ChoosingALineTakesTheEntryIntoTheFields) {
    StartOnDataTab(AnnaAndBert);
    EXPECT_FALSE(Enabled(kDelete)) << "expected nothing to delete before a line is chosen";
    ASSERT_TRUE(ui::SelectListLine(app, Gadget(ui::kRegisterList), 0));
    EXPECT_EQ(Fields(), "Anna|5|3|1987");
    EXPECT_EQ(Focused(), "name field");
    EXPECT_TRUE(Enabled(kDelete)) << "expected the chosen entry to be deletable";
    ASSERT_TRUE(ui::SelectListLine(app, Gadget(ui::kRegisterList), 1));
    EXPECT_EQ(Fields(), "Bert|24|12|0");

    ASSERT_TRUE(ui::SelectTab(app, 0));
    EXPECT_FALSE(Enabled(kDelete)) << "expected no deleting from the birthdays tab";
    ASSERT_TRUE(ui::SelectTab(app, 1));
    EXPECT_TRUE(Enabled(kDelete)) << "expected the chosen entry deletable again";
}

TEST_F(Editing, ApplyChangesTheChosenEntryInsteadOfAddingOne) {
    StartOnDataTab(AnnaAndBert);
    ASSERT_TRUE(ui::SelectListLine(app, Gadget(ui::kRegisterList), 0));
    ASSERT_TRUE(Fill("Zora", "6", "4", "1988"));
    ASSERT_TRUE(PressReturn());
    EXPECT_EQ(RegisterLines(), (std::vector<std::string>{RegisterLine("Bert", "24.12.0000"),
                                                         RegisterLine("Zora", "06.04.1988")}));
    EXPECT_EQ(Fields(), "|||");
    EXPECT_FALSE(Enabled(kDelete)) << "expected nothing chosen after Apply";
    EXPECT_TRUE(Enabled(kSave));

    // Without a chosen entry Apply adds again.
    ASSERT_TRUE(Fill("Anna", "5", "3", "1987"));
    ASSERT_TRUE(PressReturn());
    EXPECT_EQ(RegisterLines().size(), 3u);
}

TEST_F(Editing, DeletingAfterYesRemovesTheChosenEntry) {
    StartOnDataTab(AnnaAndBert + Record("Carl", 1, 1, 1970));
    ASSERT_TRUE(ui::SelectListLine(app, Gadget(ui::kRegisterList), 1));
    ASSERT_TRUE(Click(kDelete));
    ASSERT_TRUE(Answer(DeleteQuestionBox, IDYES));
    EXPECT_EQ(RegisterLines(), (std::vector<std::string>{RegisterLine("Anna", "05.03.1987"),
                                                         RegisterLine("Carl", "01.01.1970")}));
    EXPECT_EQ(Fields(), "|||");
    EXPECT_EQ(Focused(), "name field");
    EXPECT_FALSE(Enabled(kDelete));
    EXPECT_TRUE(Enabled(kSave)) << "expected the deletion to need saving";

    // The record is gone from the register, not only its line from the list.
    ASSERT_TRUE(Click(kSave));
    EXPECT_EQ(ui::ReadAppFile(app, "Festmelder.dat"),
              Record("Anna", 5, 3, 1987) + Record("Carl", 1, 1, 1970));
}

TEST_F(Editing, DeletingAfterNoKeepsTheEntryButEmptiesTheFields) {
    StartOnDataTab(AnnaAndBert);
    ASSERT_TRUE(ui::SelectListLine(app, Gadget(ui::kRegisterList), 0));
    ASSERT_TRUE(Click(kDelete));
    ASSERT_TRUE(Answer(DeleteQuestionBox, IDNO));
    EXPECT_EQ(RegisterLines(), (std::vector<std::string>{RegisterLine("Anna", "05.03.1987"),
                                                         RegisterLine("Bert", "24.12.0000")}));
    EXPECT_EQ(Fields(), "|||");
    EXPECT_FALSE(Enabled(kDelete));
    EXPECT_FALSE(Enabled(kSave)) << "expected nothing to save";

    // Nothing is chosen any more: Apply adds.
    ASSERT_TRUE(Fill("Carl", "1", "1", "1970"));
    ASSERT_TRUE(PressReturn());
    EXPECT_EQ(RegisterLines().size(), 3u);
}

} // namespace
} // namespace festmelder
