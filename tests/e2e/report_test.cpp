// The reminder report on the first tab: whose birthday is today, tomorrow,
// the day after and in the rest of the week, and how old they turn. The
// register is made around the day the test runs.
#include "tests/e2e/festmelder_test.h"

namespace festmelder {
namespace {

std::string DayMonth(const Date& date) {
    return std::to_string(date.day) + "." + std::to_string(date.month) + ".";
}

// "Montag, der 7.12.2026", centred in 45 columns.
std::string DateLine(const Date& date) {
    const char* const weekdays[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                    "Donnerstag", "Freitag", "Samstag"};
    std::string text =
        std::string(weekdays[date.weekday]) + ", der " + DayMonth(date) + std::to_string(date.year);
    return std::string((45 - text.size()) / 2, ' ') + text;
}

std::string RecordOn(const std::string& name, const Date& date, int year) {
    return Record(name, date.day, date.month, year);
}

class Report : public FestmelderTest {
  protected:
    Date today = DaysFromToday(0);

    // The expected lines hold only for the day they were made for.
    bool MidnightPassed() const { return DaysFromToday(0).day != today.day; }
};

TEST_F(Report, ShowsTheComingWeekUnderItsHeadings) {
    Date tomorrow = DaysFromToday(1), dayAfter = DaysFromToday(2), inThree = DaysFromToday(3),
         inSix = DaysFromToday(6);
    ASSERT_TRUE(Start(RecordOn("Yvonne", DaysFromToday(-1), 0) + RecordOn("Zora", today, 0) +
                      RecordOn("Anna", today, today.year - 30) + RecordOn("Bernd", tomorrow, 0) +
                      RecordOn("Carla", dayAfter, 0) + RecordOn("Emil", inSix, 0) +
                      RecordOn("Dora", inThree, 0) + RecordOn("Fritz", DaysFromToday(7), 0)));
    std::vector<std::string> lines = ReportLines();
    if (MidnightPassed()) GTEST_SKIP() << "the day changed while the test ran";
    EXPECT_EQ(lines, (std::vector<std::string>{DateLine(today),
                                               "Heute:",
                                               "",
                                               "     Zora",
                                               "",
                                               "     Anna",
                                               "     wird 30 Jahre alt",
                                               "",
                                               "Morgen:",
                                               "",
                                               "     Bernd",
                                               "",
                                               "\xDC"
                                               "bermorgen:",
                                               "",
                                               "     Carla",
                                               "",
                                               "Restliche Woche:",
                                               "",
                                               "     Dora (" + DayMonth(inThree) + ")",
                                               "",
                                               "     Emil (" + DayMonth(inSix) + ")",
                                               ""}));
}

TEST_F(Report, SaysHowOldPeopleTurnOnlyWhenTheYearIsKnownAndBefore) {
    Date inFour = DaysFromToday(4);
    ASSERT_TRUE(Start(RecordOn("Anna", today, today.year - 1) + RecordOn("Bert", today, 0) +
                      RecordOn("Carl", today, today.year) +
                      RecordOn("Dirk", today, today.year + 1) +
                      RecordOn("Erna", inFour, inFour.year - 100)));
    std::vector<std::string> lines = ReportLines();
    if (MidnightPassed()) GTEST_SKIP() << "the day changed while the test ran";
    EXPECT_EQ(lines, (std::vector<std::string>{DateLine(today),
                                               "Heute:",
                                               "",
                                               "     Anna",
                                               "     wird 1 Jahr alt",
                                               "",
                                               "     Bert",
                                               "",
                                               "     Carl",
                                               "",
                                               "     Dirk",
                                               "",
                                               "Morgen:",
                                               "",
                                               "\xDC"
                                               "bermorgen:",
                                               "",
                                               "Restliche Woche:",
                                               "",
                                               "     Erna (" + DayMonth(inFour) + ")",
                                               "     wird 100 Jahre alt",
                                               ""}));
}

TEST_F(Report, FollowsTheRegisterWhenTheUserComesBackToIt) {
    Date inTen = DaysFromToday(10);
    ASSERT_TRUE(Start(RecordOn("Anna", inTen, 1987)));
    ASSERT_TRUE(ui::SelectTab(app, 1));
    ASSERT_TRUE(Fill("Bert", std::to_string(today.day), std::to_string(today.month),
                     std::to_string(today.year - 40)));
    ASSERT_TRUE(PressReturn());
    ASSERT_TRUE(ui::SelectTab(app, 0));
    std::vector<std::string> lines = ReportLines();
    if (MidnightPassed()) GTEST_SKIP() << "the day changed while the test ran";
    EXPECT_EQ(lines, (std::vector<std::string>{DateLine(today), "Heute:", "", "     Bert",
                                               "     wird 40 Jahre alt", "", "Morgen:", "",
                                               "\xDC"
                                               "bermorgen:",
                                               "", "Restliche Woche:", ""}));
}

} // namespace
} // namespace festmelder
