#include <gtest/gtest.h>

#include "reminder/calendar.h"

namespace {

std::string Fields(DateValue date) {
    return std::to_string(DayOf(date)) + "." + std::to_string(MonthOf(date)) + "." +
           std::to_string(YearOf(date)) + " w" + std::to_string(WeekdayOf(date));
}

DateValue Day(int year, int month, int day) { return MakeDate(year, month, day, 0, 0, 0); }

TEST(MakeDate, CountsSecondsOfWallClockTime) {
    EXPECT_EQ(MakeDate(1970, 1, 1, 0, 0, 0), 0);
    EXPECT_EQ(MakeDate(1970, 1, 1, 1, 2, 3), 3723);
    EXPECT_EQ(MakeDate(2000, 2, 29, 0, 0, 0), 951782400);
    EXPECT_EQ(MakeDate(2008, 8, 3, 12, 0, 0), 1217764800);
    EXPECT_EQ(MakeDate(2038, 1, 19, 3, 14, 7), 2147483647);
    EXPECT_EQ(Day(2026, 12, 7) - Day(2026, 12, 6), 86400);
}

TEST(MakeDate, GoesOnPast2038) {
    EXPECT_EQ(MakeDate(2038, 1, 19, 3, 14, 8), 2147483648);
    EXPECT_EQ(Fields(Day(2038, 1, 19)), "19.1.2038 w2");
    EXPECT_EQ(Fields(Day(2100, 3, 1)), "1.3.2100 w1");
    EXPECT_EQ(Fields(AddToDate(Day(2038, 1, 13), kDayUnit, 6)), "19.1.2038 w2");
    EXPECT_EQ(Fields(AddToDate(Day(2038, 1, 19), kDayUnit, 1)), "20.1.2038 w3");
}

TEST(MakeDate, RefusesInvalidFields) {
    EXPECT_NE(Day(2008, 2, 29), kInvalidDate);
    EXPECT_EQ(Day(2009, 2, 29), kInvalidDate);
    EXPECT_EQ(Day(1900, 2, 29), kInvalidDate);
    EXPECT_EQ(Day(3600, 2, 29), kInvalidDate);
    EXPECT_NE(Day(2400, 2, 29), kInvalidDate);
    EXPECT_EQ(Day(2008, 2, 30), kInvalidDate);
    EXPECT_EQ(Day(2008, 4, 31), kInvalidDate);
    EXPECT_NE(Day(2008, 5, 31), kInvalidDate);
    EXPECT_EQ(MakeDate(2008, 1, 1, 24, 0, 0), kInvalidDate);
    EXPECT_EQ(MakeDate(2008, 1, 1, 0, 60, 0), kInvalidDate);
    EXPECT_EQ(MakeDate(2008, 1, 1, 0, 0, -1), kInvalidDate);
    EXPECT_EQ(MakeDate(2008, 1, 1, -1, 0, 0), kInvalidDate);
    EXPECT_EQ(Day(2008, 13, 1), kInvalidDate);
    EXPECT_EQ(Day(2008, 0, 1), kInvalidDate);
    EXPECT_EQ(Day(2008, 1, 0), kInvalidDate);
    EXPECT_EQ(Day(2008, 1, 32), kInvalidDate);
    EXPECT_EQ(Day(0, 1, 1), kInvalidDate);
    EXPECT_EQ(Day(1969, 12, 31), kInvalidDate);
}

TEST(BreakDown, GivesCalendarFieldsAndZeroForNegativeValues) {
    EXPECT_EQ(Fields(0), "1.1.1970 w4");
    EXPECT_EQ(Fields(Day(2026, 12, 6)), "6.12.2026 w0");
    EXPECT_EQ(Fields(Day(2000, 2, 29)), "29.2.2000 w2");
    EXPECT_EQ(Fields(MakeDate(2026, 12, 31, 23, 59, 59)), "31.12.2026 w4");
    EXPECT_EQ(Fields(-1), "0.0.0 w0");
    EXPECT_EQ(Fields(INT64_MIN), "0.0.0 w0");
}

TEST(AddToDate, MovesByFixedUnits) {
    DateValue newYearsEve = MakeDate(2026, 12, 31, 10, 0, 0);
    EXPECT_EQ(Fields(AddToDate(newYearsEve, kDayUnit, 1)), "1.1.2027 w5");
    EXPECT_EQ(Fields(AddToDate(newYearsEve, kDayUnit, 2)), "2.1.2027 w6");
    EXPECT_EQ(AddToDate(newYearsEve, kWeekUnit, -1), newYearsEve - 604800);
    EXPECT_EQ(AddToDate(newYearsEve, kHourUnit, 3), newYearsEve + 10800);
    EXPECT_EQ(AddToDate(newYearsEve, kMinuteUnit, -2), newYearsEve - 120);
    EXPECT_EQ(AddToDate(newYearsEve, kSecondUnit, 5), newYearsEve + 5);
    EXPECT_EQ(AddToDate(newYearsEve, 7, 5), newYearsEve);
    EXPECT_EQ(AddToDate(newYearsEve, -1, 5), newYearsEve);
    EXPECT_EQ(AddToDate(INT64_MAX, kSecondUnit, 1), INT64_MIN);
}

TEST(AddToDate, MovesByMonthsAndYearsOnTheCalendar) {
    EXPECT_EQ(AddToDate(Day(2008, 1, 31), kMonthUnit, 1), Day(2008, 2, 29));
    EXPECT_EQ(AddToDate(Day(2009, 1, 31), kMonthUnit, 1), Day(2009, 2, 28));
    EXPECT_EQ(AddToDate(Day(2008, 3, 31), kMonthUnit, 1), Day(2008, 4, 30));
    EXPECT_EQ(AddToDate(Day(2008, 11, 15), kMonthUnit, 3), Day(2009, 2, 15));
    EXPECT_EQ(AddToDate(Day(2008, 2, 15), kMonthUnit, -14), Day(2006, 12, 15));
    EXPECT_EQ(AddToDate(Day(1970, 1, 15), kMonthUnit, -1), kInvalidDate);
    EXPECT_EQ(AddToDate(MakeDate(2008, 2, 29, 12, 30, 1), kYearUnit, 4),
              MakeDate(2012, 2, 29, 12, 30, 1));
    EXPECT_EQ(AddToDate(Day(2008, 2, 29), kYearUnit, 1), kInvalidDate);
    EXPECT_EQ(AddToDate(Day(2008, 6, 1), kYearUnit, -100), kInvalidDate);
    EXPECT_EQ(AddToDate(-5, kYearUnit, 1), -5);
    EXPECT_EQ(AddToDate(-5, kMonthUnit, 1), -5);
}

} // namespace
