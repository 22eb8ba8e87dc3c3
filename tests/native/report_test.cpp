#include <gtest/gtest.h>

#include "reminder/report.h"

namespace {

using Lines = std::vector<std::string>;

BirthdayList Register(std::initializer_list<BirthdayRecord> records) {
    BirthdayList list;
    for (const BirthdayRecord& record : records) AppendRecord(list) = record;
    return list;
}

DateValue Day(int year, int month, int day) { return MakeDate(year, month, day, 8, 30, 0); }

const Lines EmptyGroups = {"Heute:", "", "Morgen:", "", "Übermorgen:", "", "Restliche Woche:", ""};

TEST(Report, WorkedExampleOfSundaySixthOfDecember2026) {
    BirthdayList list = Register({{"Alpha", 6, 12, 1980},
                                  {"Beta", 7, 12, 2025},
                                  {"Gamma", 10, 12, 0},
                                  {"Delta", 12, 12, 1950},
                                  {"Epsilon", 13, 12, 1990}});
    Lines expected = {std::string(11, ' ') + "Sonntag, der 6.12.2026",
                      "Heute:",
                      "",
                      "     Alpha",
                      "     wird 46 Jahre alt",
                      "",
                      "Morgen:",
                      "",
                      "     Beta",
                      "     wird 1 Jahr alt",
                      "",
                      "Übermorgen:",
                      "",
                      "Restliche Woche:",
                      "",
                      "     Gamma (10.12.)",
                      "",
                      "     Delta (12.12.)",
                      "     wird 76 Jahre alt",
                      ""};
    EXPECT_EQ(ReminderReport(list, Day(2026, 12, 6)), expected);
}

TEST(Report, EmptyRegisterGivesTheDateAndFourEmptyGroups) {
    Lines expected = {std::string(10, ' ') + "Donnerstag, der 1.1.2026"};
    expected.insert(expected.end(), EmptyGroups.begin(), EmptyGroups.end());
    EXPECT_EQ(ReminderReport({}, Day(2026, 1, 1)), expected);
    EXPECT_EQ(ReminderReport({}, Day(2026, 12, 30))[0],
              std::string(10, ' ') + "Mittwoch, der 30.12.2026");
    EXPECT_EQ(ReminderReport({}, Day(2038, 1, 19))[0],
              std::string(11, ' ') + "Dienstag, der 19.1.2038");
}

TEST(Report, AgesUseTheYearOfTheBirthdayNotOfToday) {
    BirthdayList list = Register({{"Neujahr", 1, 1, 2000}, {"Silvester", 31, 12, 2026}});
    Lines lines = ReminderReport(list, Day(2026, 12, 29));
    Lines expected = {std::string(10, ' ') + "Dienstag, der 29.12.2026",
                      "Heute:",
                      "",
                      "Morgen:",
                      "",
                      "Übermorgen:",
                      "",
                      "     Silvester",
                      "",
                      "Restliche Woche:",
                      "",
                      "     Neujahr (1.1.)",
                      "     wird 27 Jahre alt",
                      ""};
    EXPECT_EQ(lines, expected);
}

TEST(Report, NoAgeLineForUnknownFutureOrCurrentYears) {
    BirthdayList list = Register(
        {{"Null", 6, 12, 0}, {"Heuer", 6, 12, 2026}, {"Später", 6, 12, 2030}, {"Neg", 6, 12, -5}});
    Lines lines = ReminderReport(list, Day(2026, 12, 6));
    Lines today(lines.begin() + 3, lines.begin() + 11);
    EXPECT_EQ(today, (Lines{"     Null", "", "     Heuer", "", "     Später", "", "     Neg", ""}));
}

TEST(Report, SameBirthdayInRegisterOrderAndRestOfWeekByDate) {
    BirthdayList list =
        Register({{"Zora", 12, 12, 0}, {"Anton", 10, 12, 0}, {"", 10, 12, 0}, {"Bea", 10, 12, 0}});
    Lines lines = ReminderReport(list, Day(2026, 12, 6));
    Lines rest(lines.begin() + 9, lines.end());
    EXPECT_EQ(rest, (Lines{"     Anton (10.12.)", "", "      (10.12.)", "", "     Bea (10.12.)", "",
                           "     Zora (12.12.)", ""}));
}

TEST(Report, ImpossibleOrLeapDayDatesOnlyWhereTheCalendarHasThem) {
    BirthdayList list = Register(
        {{"Schalt", 29, 2, 1996}, {"Null", 0, 3, 0}, {"April", 31, 4, 0}, {"Neg", 1, -3, 0}});
    Lines nonLeap = ReminderReport(list, Day(2027, 2, 26));
    EXPECT_EQ(nonLeap.size(), 9u);
    Lines leap = ReminderReport(list, Day(2028, 2, 26));
    EXPECT_EQ(Lines(leap.begin() + 9, leap.end()),
              (Lines{"     Schalt (29.2.)", "     wird 32 Jahre alt", ""}));
}

} // namespace
