#include "register/records.h"

#include <utility>

BirthdayRecord& AppendRecord(BirthdayList& list) {
    list.Records.emplace_back();
    list.Current = list.Records.size() - 1;
    return list.Records.back();
}

BirthdayRecord& SelectRecord(BirthdayList& list, std::size_t index) {
    list.Current = index;
    return list.Records.at(index);
}

std::size_t RecordCount(const BirthdayList& list) { return list.Records.size(); }

std::size_t CurrentIndex(const BirthdayList& list) { return list.Current; }

void DeleteRecord(BirthdayList& list, std::size_t index) {
    list.Records.erase(list.Records.begin() + static_cast<std::ptrdiff_t>(index));
    if (list.Current >= list.Records.size() && list.Current > 0) list.Current--;
}

void ExchangeRecords(BirthdayList& list, std::size_t first, std::size_t second) {
    std::swap(list.Records.at(first), list.Records.at(second));
}

std::int8_t ParseDayOrMonth(std::string_view text) {
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(ParseNumber(text)));
}

std::int16_t ParseYear(std::string_view text) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(ParseNumber(text)));
}

// Pads a number's text on the left with "0" to the width, or keeps its first
// width characters when it is longer.
static std::string ZeroPadded(int value, std::size_t width) {
    std::string text = FormatNumber(value);
    if (text.size() >= width) return text.substr(0, width);
    return std::string(width - text.size(), '0') + text;
}

std::string FormatDateText(int day, int month, int year) {
    return ZeroPadded(day, 2) + "." + ZeroPadded(month, 2) + "." + ZeroPadded(year, 4);
}

std::string FormatRecordLine(const BirthdayRecord& record, std::size_t nameWidth) {
    std::string name = record.Name.substr(0, nameWidth);
    name.resize(nameWidth, ' ');
    return name + "   " + FormatDateText(record.Day, record.Month, record.Year);
}

std::string FormatRegisterLine(const BirthdayRecord& record) {
    return FormatRecordLine(record, 30);
}

std::vector<std::string> RegisterLines(const BirthdayList& list) {
    std::vector<std::string> lines;
    lines.reserve(list.Records.size());
    for (const BirthdayRecord& record : list.Records) lines.push_back(FormatRegisterLine(record));
    return lines;
}

EntryField IsValidEntry(std::string_view name, std::string_view day, std::string_view month) {
    std::int32_t dayValue = ParseNumber(day);
    std::int32_t monthValue = ParseNumber(month);
    if (name.empty()) return EntryField::Name;
    if (dayValue < 1 || dayValue > 31) return EntryField::Day;
    if (monthValue < 1 || monthValue > 12) return EntryField::Month;
    return EntryField::None;
}

std::int16_t CompleteYear(std::string_view yearText, int currentYear) {
    if (yearText.empty()) return 0;
    std::int32_t year = ParseNumber(yearText);
    if (year >= 0 && year <= currentYear - 2000) year += 2000;
    else if (year >= currentYear - 1999 && year <= 99) year += 1900;
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(year));
}

// Byte-wise comparison of unsigned codes; a prefix is the smaller text.
static bool NameIsGreater(const std::string& left, const std::string& right) {
    return std::string_view(left).compare(right) > 0;
}

void SortRegister(BirthdayList& list) {
    // This exchange sort is not stable, and the register's order of equal
    // names after an Apply depends on exactly this sequence of exchanges.
    std::size_t count = RecordCount(list);
    for (std::size_t i = 0; i < count; i++)
        for (std::size_t j = i; j < count; j++)
            if (NameIsGreater(list.Records[i].Name, list.Records[j].Name))
                ExchangeRecords(list, i, j);
}
