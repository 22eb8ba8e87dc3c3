#include <gtest/gtest.h>

#include "app/gadgets.h"
#include "platform/message_box.h"
#include "register/data_file.h"
#include "register/data_file_format.h"
#include "register/entry_editing.h"
#include "tests/fakes/fake_platform.h"

namespace {

class EntryEditing : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::Reset();
        fake::ResetWindow();
        fake::Now = {2008, 8, 3, 12, 0, 0};
        Register = ParseDataFile("Zoe\r\n1\r\n2\r\n1990\r\nBernd\r\n24\r\n12\r\n0\r\n");
        RefreshRegisterList();
        DirtyFlag = 0;
        EditingExisting = 0;
        SelectedIndex = 0;
    }

    void Fill(const char* name, const char* day, const char* month, const char* year) {
        fake::Texts[NameField] = name;
        fake::Texts[DayField] = day;
        fake::Texts[MonthField] = month;
        fake::Texts[YearField] = year;
    }

    void Pick(int line) {
        fake::ListSelections[RegisterList] = line;
        SelectEntry();
    }

    std::string Fields() {
        return fake::Texts[NameField] + "|" + fake::Texts[DayField] + "|" +
               fake::Texts[MonthField] + "|" + fake::Texts[YearField];
    }
};

TEST_F(EntryEditing, ApplyAddsCompletesTheYearAndSortsTheWholeRegister) {
    Fill("Anna", "5", "3", "87");
    ApplyEntry();
    EXPECT_EQ(FormatDataFile(Register),
              "Anna\r\n5\r\n3\r\n1987\r\nBernd\r\n24\r\n12\r\n0\r\nZoe\r\n1\r\n2\r\n1990\r\n");
    ASSERT_EQ(fake::Lists[RegisterList].size(), 3u);
    EXPECT_EQ(fake::Lists[RegisterList][0], "Anna" + std::string(29, ' ') + "05.03.1987");
    EXPECT_EQ(DirtyFlag, 1);
    EXPECT_EQ(Fields(), "|||");
    EXPECT_EQ(fake::Focus, NameField);
}

TEST_F(EntryEditing, EmptyYearIsUnknownAndBlankNamesAreKept) {
    Fill("  ", "31", "2", "");
    ApplyEntry();
    EXPECT_EQ(Register.Records[0].Name, "  ");
    EXPECT_EQ(Register.Records[0].Year, 0);
    EXPECT_EQ(fake::Lists[RegisterList][0], std::string(33, ' ') + "31.02.0000");
}

TEST_F(EntryEditing, InvalidInputChangesNothingAndFocusesTheFirstFaultyField) {
    struct Case {
        const char *Name, *Day, *Month;
        int Focus;
    } cases[] = {{"", "32", "1", NameField},
                 {"Anna", "", "1", DayField},
                 {"Anna", "0", "13", DayField},
                 {"Anna", "5", "", MonthField}};
    for (const Case& c : cases) {
        Fill(c.Name, c.Day, c.Month, "1999");
        fake::Messages.clear();
        ApplyEntry();
        ASSERT_EQ(fake::Messages.size(), 1u) << c.Name << "|" << c.Day << "|" << c.Month;
        EXPECT_EQ(fake::Messages[0].Title, "Eingabefehler");
        EXPECT_EQ(fake::Messages[0].Text, "Fehlende oder ungültige Eingabe!");
        EXPECT_EQ(fake::Messages[0].Style, 48u);
        EXPECT_EQ(fake::Focus, c.Focus) << c.Name << "|" << c.Day << "|" << c.Month;
        EXPECT_EQ(RecordCount(Register), 2u);
        EXPECT_EQ(DirtyFlag, 0);
        EXPECT_EQ(fake::Texts[YearField], "1999");
    }
}

TEST_F(EntryEditing, SelectTakesTheRecordOverWithoutPadding) {
    Pick(1);
    EXPECT_EQ(Fields(), "Bernd|24|12|0");
    EXPECT_EQ(EditingExisting, 1);
    EXPECT_EQ(fake::Focus, NameField);
    // An unknown year taken over and applied unchanged becomes 2000.
    ApplyEntry();
    EXPECT_EQ(FormatDataFile(Register), "Bernd\r\n24\r\n12\r\n2000\r\nZoe\r\n1\r\n2\r\n1990\r\n");
    EXPECT_EQ(EditingExisting, 0);
}

TEST_F(EntryEditing, ChangingANameMovesTheRecordToItsPlace) {
    Pick(0);
    fake::Texts[NameField] = "Adam";
    ApplyEntry();
    EXPECT_EQ(FormatDataFile(Register), "Adam\r\n1\r\n2\r\n1990\r\nBernd\r\n24\r\n12\r\n0\r\n");
    EXPECT_EQ(fake::Lists[RegisterList][0].substr(0, 4), "Adam");
    EXPECT_EQ(fake::ListSelections.count(RegisterList), 0u);
}

TEST_F(EntryEditing, NoSelectionReturnsToAddingSoApplyNeverChangesPositionMinusOne) {
    Pick(0);
    fake::ListSelections.erase(RegisterList);
    SelectEntry();
    EXPECT_EQ(SelectedIndex, -1);
    EXPECT_EQ(EditingExisting, 0);
    Fill("Carla", "1", "1", "2001");
    ApplyEntry();
    EXPECT_EQ(RecordCount(Register), 3u);
    EXPECT_EQ(Register.Records[2].Name, "Zoe");
}

TEST_F(EntryEditing, DeleteAsksAndOnlyYesDeletes) {
    Pick(0);
    fake::NextAnswer = platform::kAnswerNo;
    DeleteEntry();
    ASSERT_EQ(fake::Messages.size(), 1u);
    EXPECT_EQ(fake::Messages[0].Title, "Löschen bestätigen");
    EXPECT_EQ(fake::Messages[0].Text, "Wollen Sie diesen Datensatz wirklich löschen?\r\n"
                                      "Diese Aktion kann nicht Rückgängig gemacht werden!");
    EXPECT_EQ(fake::Messages[0].Style, 20u);
    EXPECT_EQ(RecordCount(Register), 2u);
    EXPECT_EQ(DirtyFlag, 0);
    EXPECT_EQ(Fields(), "|||");
    EXPECT_EQ(EditingExisting, 0);

    Pick(0);
    fake::NextAnswer = platform::kAnswerYes;
    DeleteEntry();
    EXPECT_EQ(FormatDataFile(Register), "Bernd\r\n24\r\n12\r\n0\r\n");
    ASSERT_EQ(fake::Lists[RegisterList].size(), 1u);
    EXPECT_EQ(fake::Lists[RegisterList][0].substr(0, 5), "Bernd");
    EXPECT_EQ(DirtyFlag, 1);
    EXPECT_EQ(EditingExisting, 0);
    EXPECT_EQ(fake::Focus, NameField);
}

} // namespace
