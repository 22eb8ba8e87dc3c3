#include "common/calendar.h"

constexpr std::int64_t kSecondsPerDay = 86400;

static bool IsLeapYear(std::int64_t year) {
    // The year 3600 is taken as a common year.
    if (year == 3600) return false;
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
static std::int64_t DaysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2;
    std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    std::int64_t yearOfEra = year - era * 400;
    std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

namespace {

struct CivilDate {
    std::int64_t Year;
    int Month, Day;
};

CivilDate CivilFromDays(std::int64_t days) {
    days += 719468;
    std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    std::int64_t dayOfEra = days - era * 146097;
    std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    return {yearOfEra + era * 400 + (month <= 2), month, day};
}

struct DateFields {
    std::int64_t Year;
    int Month, Day, Hour, Minute, Second;
};

DateFields BreakDown(DateValue date) {
    CivilDate civil = CivilFromDays(date / kSecondsPerDay);
    int seconds = static_cast<int>(date % kSecondsPerDay);
    return {civil.Year, civil.Month, civil.Day, seconds / 3600, seconds / 60 % 60, seconds % 60};
}

DateValue MakeDateFrom(const DateFields& fields) {
    if (fields.Year < 1 || fields.Year > INT32_MAX) return kInvalidDate;
    return MakeDate(static_cast<std::int32_t>(fields.Year), fields.Month, fields.Day, fields.Hour,
                    fields.Minute, fields.Second);
}

} // namespace

DateValue MakeDate(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t hour,
                   std::int32_t minute, std::int32_t second) {
    bool shortMonth = month == 4 || month == 6 || month == 9 || month == 11;
    if (day == 31 && shortMonth) return kInvalidDate;
    if (month == 2 && (day > 29 || (day == 29 && !IsLeapYear(year)))) return kInvalidDate;
    if (second < 0 || second > 59 || minute < 0 || minute > 59 || hour < 0 || hour > 23 ||
        day < 1 || day > 31 || month < 1 || month > 12 || year <= 0)
        return kInvalidDate;
    std::int64_t days = DaysFromCivil(year, month, day);
    if (days < 0) return kInvalidDate;
    return days * kSecondsPerDay + hour * 3600 + minute * 60 + second;
}

int DayOf(DateValue date) { return date < 0 ? 0 : BreakDown(date).Day; }

int MonthOf(DateValue date) { return date < 0 ? 0 : BreakDown(date).Month; }

std::int32_t YearOf(DateValue date) {
    return date < 0 ? 0 : static_cast<std::int32_t>(BreakDown(date).Year);
}

int WeekdayOf(DateValue date) {
    // 1970-01-01 was a Thursday.
    return date < 0 ? 0 : static_cast<int>((date / kSecondsPerDay + 4) % 7);
}

// Moves by whole seconds; an overflow wraps like two's complement instead of
// being undefined.
static DateValue MoveBySeconds(DateValue date, std::int64_t seconds) {
    return static_cast<DateValue>(static_cast<std::uint64_t>(date) +
                                  static_cast<std::uint64_t>(seconds));
}

static DateValue MoveByMonths(DateValue date, std::int32_t count) {
    DateFields fields = BreakDown(date);
    std::int64_t months = fields.Year * 12 + (fields.Month - 1) + count;
    fields.Year = months / 12;
    fields.Month = static_cast<int>(months % 12) + 1;
    // A day the new month lacks falls back to the month's last day.
    DateValue moved = MakeDateFrom(fields);
    while (moved == kInvalidDate && fields.Day > 28) {
        fields.Day--;
        moved = MakeDateFrom(fields);
    }
    return moved;
}

DateValue AddToDate(DateValue date, std::int32_t unit, std::int32_t count) {
    switch (unit) {
    case kYearUnit: {
        if (date < 0) return date;
        DateFields fields = BreakDown(date);
        fields.Year += count;
        return MakeDateFrom(fields);
    }
    case kMonthUnit:
        return date < 0 ? date : MoveByMonths(date, count);
    case kWeekUnit:
        return MoveBySeconds(date, std::int64_t{count} * 7 * kSecondsPerDay);
    case kDayUnit:
        return MoveBySeconds(date, std::int64_t{count} * kSecondsPerDay);
    case kHourUnit:
        return MoveBySeconds(date, std::int64_t{count} * 3600);
    case kMinuteUnit:
        return MoveBySeconds(date, std::int64_t{count} * 60);
    case kSecondUnit:
        return MoveBySeconds(date, count);
    default:
        return date;
    }
}
