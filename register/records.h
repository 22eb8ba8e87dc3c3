// The register's records, their text forms, the entry rules and the sort.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/number_text.h"

// One person. Year 0 means the year of birth is unknown.
struct BirthdayRecord {
    std::string Name;
    std::int8_t Day = 0;
    std::int8_t Month = 0;
    std::int16_t Year = 0;
};

// The one ordered list of people, with a current record as the register's
// operations expect it.
struct BirthdayList {
    std::vector<BirthdayRecord> Records;
    std::size_t Current = 0;
};

BirthdayRecord& AppendRecord(BirthdayList& list);
BirthdayRecord& SelectRecord(BirthdayList& list, std::size_t index);
std::size_t RecordCount(const BirthdayList& list);
std::size_t CurrentIndex(const BirthdayList& list);
void DeleteRecord(BirthdayList& list, std::size_t index);
void ExchangeRecords(BirthdayList& list, std::size_t first, std::size_t second);

std::int8_t ParseDayOrMonth(std::string_view text);
std::int16_t ParseYear(std::string_view text);

std::string FormatDateText(int day, int month, int year);
// The name fitted to exactly nameWidth characters, three blanks, the date.
std::string FormatRecordLine(const BirthdayRecord& record, std::size_t nameWidth);
std::string FormatRegisterLine(const BirthdayRecord& record);
std::vector<std::string> RegisterLines(const BirthdayList& list);

enum class EntryField { None, Name, Day, Month };

// Answers the first field that makes an entry invalid, or EntryField::None.
EntryField IsValidEntry(std::string_view name, std::string_view day, std::string_view month);

std::int16_t CompleteYear(std::string_view yearText, int currentYear);

void SortRegister(BirthdayList& list);
