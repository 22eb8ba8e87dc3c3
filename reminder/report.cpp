#include "reminder/report.h"

#include <algorithm>

namespace {

const char* const WeekdayNames[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                    "Donnerstag", "Freitag", "Samstag"};

constexpr int kReportWidth = 45;
constexpr const char* kIndent = "     ";

std::string DayMonthText(DateValue date) {
    return FormatNumber(DayOf(date)) + "." + FormatNumber(MonthOf(date)) + ".";
}

std::string DateLine(DateValue today) {
    std::string date = std::string(WeekdayNames[WeekdayOf(today)]) + ", der " +
                       DayMonthText(today) + FormatNumber(YearOf(today));
    int blanks = std::max(0, (kReportWidth - static_cast<int>(date.size())) / 2);
    return std::string(static_cast<std::size_t>(blanks), ' ') + date;
}

std::string AgeLine(int age) {
    return std::string(kIndent) + "wird " + FormatNumber(age) +
           (age == 1 ? " Jahr alt" : " Jahre alt");
}

// Appends the people born on the date's day and month, in register order.
void AppendBirthdays(std::vector<std::string>& lines, const BirthdayList& list, DateValue date,
                     bool withDate) {
    const int day = DayOf(date), month = MonthOf(date);
    for (const BirthdayRecord& record : list.Records) {
        if (record.Day != day || record.Month != month) continue;
        std::string nameLine = kIndent + record.Name;
        if (withDate) nameLine += " (" + DayMonthText(date) + ")";
        lines.push_back(nameLine);
        int age = record.Year > 0 ? YearOf(date) - record.Year : 0;
        if (age > 0) lines.push_back(AgeLine(age));
        lines.emplace_back();
    }
}

} // namespace

std::vector<std::string> ReminderReport(const BirthdayList& list, DateValue today) {
    std::vector<std::string> lines{DateLine(today)};
    const char* const headings[] = {"Heute:", "Morgen:", "Übermorgen:", "Restliche Woche:"};
    for (int offset = 0; offset < 7; offset++) {
        if (offset < 4) {
            lines.emplace_back(headings[offset]);
            lines.emplace_back();
        }
        bool restOfWeek = offset >= 3;
        AppendBirthdays(lines, list, AddToDate(today, kDayUnit, offset), restOfWeek);
    }
    return lines;
}
