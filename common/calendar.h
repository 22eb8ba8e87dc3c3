// Calendar dates as seconds since 1970-01-01 00:00:00 of local wall-clock
// time, counted as if that time were UTC: one calendar day is always 86,400.
#pragma once

#include <cstdint>

// Signed 64 bits, so that the count goes on past 2038-01-19 03:14:07.
using DateValue = std::int64_t;

constexpr DateValue kInvalidDate = -1;

enum DateUnit : std::int32_t {
    kYearUnit = 0,
    kMonthUnit = 1,
    kWeekUnit = 2,
    kDayUnit = 3,
    kHourUnit = 4,
    kMinuteUnit = 5,
    kSecondUnit = 6,
};

// kInvalidDate for fields that are not a valid date and time, and for dates
// before 1970.
DateValue MakeDate(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour,
                   std::int32_t minute, std::int32_t second);

// A negative value has no calendar fields: each of these answers 0 for it.
int DayOf(DateValue date);
int MonthOf(DateValue date);
std::int32_t YearOf(DateValue date);
int WeekdayOf(DateValue date); // 0 = Sunday

DateValue AddToDate(DateValue date, std::int32_t unit, std::int32_t count);

// The local wall-clock time now, to the second.
DateValue CurrentDate();
