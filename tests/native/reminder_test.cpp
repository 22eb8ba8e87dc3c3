#include <gtest/gtest.h>

#include <cstdio>

#include "reminder/report.h"

namespace {

// "2008-02-29" or "2008-02-29 12:30:01" as a DateValue; "" is kInvalidDate.
DateValue At(const char* text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    std::sscanf(text, "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second);
    return *text ? MakeDate(year, month, day, hour, minute, second) : kInvalidDate;
}

TEST(Calendar, DatesAreSecondsOfWallClockTimeFrom1970OnPast2038AndMoveByDays) {
    EXPECT_EQ(At("1970-01-01 01:02:03"), 3723);
    EXPECT_EQ(At("2000-02-29"), 951782400);
    EXPECT_EQ(At("2038-01-19 03:14:08"), 2147483648);
    const char* const valid[] = {"2008-02-29 23:59:59", "2400-02-29", "2008-05-31", "1970-01-01"};
    for (const char* text : valid) EXPECT_NE(At(text), kInvalidDate) << text;
    const char* const invalid[] = {
        "2009-02-29", "2100-02-29",          "3600-02-29",          "2008-02-30",
        "2008-04-31", "2008-01-01 24:00:00", "2008-01-01 00:60:00", "2008-01-01 00:00:60",
        "2008-13-01", "2008-00-01",          "2008-01-00",          "2008-01-32",
        "0000-01-01", "1969-12-31"};
    for (const char* text : invalid) EXPECT_EQ(At(text), kInvalidDate) << text;
    // Day, month, year and weekday of a date; zero for an invalid one.
    const struct {
        const char* text;
        int day, month, year, weekday;
    } fields[] = {{"1970-01-01 00:00:00", 1, 1, 1970, 4},
                  {"2000-02-29 23:59:59", 29, 2, 2000, 2},
                  {"2100-03-01 00:00:00", 1, 3, 2100, 1},
                  {"", 0, 0, 0, 0}};
    for (const auto& c : fields) {
        DateValue date = At(c.text);
        EXPECT_EQ(std::make_tuple(DayOf(date), MonthOf(date), YearOf(date), WeekdayOf(date)),
                  std::tie(c.day, c.month, c.year, c.weekday))
            << c.text;
    }
    // The report moves by days only.
    EXPECT_EQ(AddToDate(At("2026-12-31 10:00:00"), kDayUnit, 2), At("2027-01-02 10:00:00"));
}

// Sunday, 27 December 2026: ages only for years of birth before the birthday's,
// people of one day in register order, the rest of the week by date up to Saturday.
TEST(Report, WorkedExampleOfAWeekIntoTheNextYear) {
    const BirthdayRecord records[] = {{"Alpha", 27, 12, 1980}, {"Heuer", 27, 12, 2026},
                                      {"Neg", 27, 12, -5},     {"Beta", 28, 12, 2025},
                                      {"Zora", 1, 1, 1950},    {"Gamma", 30, 12, 0},
                                      {"", 30, 12, 2030},      {"Drei", 29, 12, 2000},
                                      {"Epsilon", 3, 1, 1990}, {"Omega", 2, 1, 0}};
    BirthdayList list;
    for (const BirthdayRecord& record : records) AppendRecord(list) = record;
    std::string report;
    for (const std::string& line : ReminderReport(list, At("2026-12-27 08:30:00")))
        report += line + "\n";
    EXPECT_EQ(report, "           Sonntag, der 27.12.2026\n"
                      "Heute:\n\n     Alpha\n     wird 46 Jahre alt\n\n     Heuer\n\n     Neg\n\n"
                      "Morgen:\n\n     Beta\n     wird 1 Jahr alt\n\n"
                      "Übermorgen:\n\n     Drei\n     wird 26 Jahre alt\n\n"
                      "Restliche Woche:\n\n     Gamma (30.12.)\n\n      (30.12.)\n\n"
                      "     Zora (1.1.)\n     wird 77 Jahre alt\n\n     Omega (2.1.)\n\n");
}

} // namespace
