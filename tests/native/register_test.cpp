#include <gtest/gtest.h>

#include "register/data_file_format.h"

namespace {

using namespace std::string_literals;

TEST(Register, TextFormsAndEntryRules) {
    // A leading number in decimal, $hex or %binary, wrapping in 32 bits; 0 for none.
    const std::pair<const char*, std::int32_t> cases[] = {
        {"  12", 12}, {"\t 7", 7},       {"12abc", 12},    {"abc", 0},   {"-7", -7},
        {"+7", 7},    {"- 7", 0},        {"$1F", 31},      {"$ff", 255}, {"-$10", -16},
        {"%102", 2},  {"$FFFFFFFF", -1}, {"4294967297", 1}};
    for (auto [text, value] : cases)
        EXPECT_EQ(ParseNumber(text), value) << "from \"" << text << '"';
    EXPECT_EQ(FormatNumber(INT32_MIN), "-2147483648");
    // A register line: the name fitted to thirty columns, each date field padded or cut.
    BirthdayList list;
    AppendRecord(list) = {"Anna", 5, 3, 87};
    AppendRecord(list) = {std::string(29, 'x') + "yz", -5, 100, 12345};
    EXPECT_EQ(CurrentIndex(list), 1u);
    EXPECT_EQ(RegisterLines(list)[0], "Anna" + std::string(29, ' ') + "05.03.0087");
    EXPECT_EQ(RegisterLines(list)[1], std::string(29, 'x') + "y   -5.10.1234");
    // An entry needs a name, a day and a month; a short year becomes the latest so far.
    const std::tuple<const char*, const char*, const char*, EntryField> entries[] = {
        {"Anna", "31", "1", EntryField::None},  {"   ", "1", "12", EntryField::None},
        {"Anna", "32", "2", EntryField::Day},   {"Anna", "0", "2", EntryField::Day},
        {"Anna", "5", "13", EntryField::Month}, {"Anna", "5", "0", EntryField::Month},
        {"", "99", "99", EntryField::Name}};
    for (auto [name, day, month, failing] : entries)
        EXPECT_EQ(IsValidEntry(name, day, month), failing) << name << "|" << day << "|" << month;
    const std::tuple<const char*, int, int> years[] = {
        {"", 2008, 0},      {"0", 2008, 2000},  {"87", 2008, 1987}, {"99", 2008, 1999},
        {"100", 2008, 100}, {"25", 2025, 2025}, {"26", 2025, 1926}, {"70000", 2025, 4464}};
    for (auto [text, now, year] : years)
        EXPECT_EQ(CompleteYear(text, now), year) << '"' << text << "\" in " << now;
}

// Codes compared byte by byte, a prefix first; equal names end up in the order the register's own
// sequence of exchanges leaves them in.
TEST(Register, TheSortComparesCodes) {
    const char* const names[] = {"anna", "Zoe",  "\xC4rne", "Anna", "Annabel",
                                 "Ann",  " Zed", "B",       "B",    "A"};
    BirthdayList list;
    for (int i = 0; i < 10; i++) AppendRecord(list) = {names[i], int8_t(i)};
    SortRegister(list);
    std::vector<int> places; // before the sort
    for (const BirthdayRecord& record : list.Records) places.push_back(record.Day);
    EXPECT_EQ(places, (std::vector{6, 9, 5, 3, 4, 8, 7, 1, 0, 2}));
}

// Reading takes four lines per record, however they end, and reads numbers leniently, keeping
// their low 8 or 16 bits; writing ends each line in CR LF.
TEST(Register, TheDataFileIsReadAndWritten) {
    using Record = std::tuple<std::string, int, int, int>; // name, day, month, year
    const std::pair<std::string, std::vector<Record>> cases[] = {
        {"A\r\n1\0002\r3"s, {{"A", 1, 2, 3}}},
        // A CR before a zero byte ends a line of its own, the zero byte an empty one.
        {"A\r\0001\r\n2\r\n"s, {{"A", 0, 1, 2}}},
        {"Anna\r\n5\r\n3\r\n1987\r\n\r\n", {{"Anna", 5, 3, 1987}, {"", 0, 0, 0}}},
        {"A\r\n1\r\n2\r\n3\r\nB\r\n6\r\n", {{"A", 1, 2, 3}, {"B", 6, 0, 0}}},
        {"A\r\n07\r\n 7\r\n7abc\r\nB\r\nx\r\n300\r\n70000\r\nC\r\n200\r\n1\r\n40000",
         {{"A", 7, 7, 7}, {"B", 0, 44, 4464}, {"C", -56, 1, -25536}}}};
    for (const auto& [bytes, records] : cases) {
        std::vector<Record> read;
        for (const BirthdayRecord& r : ParseDataFile(bytes).Records)
            read.emplace_back(r.Name, r.Day, r.Month, r.Year);
        EXPECT_EQ(read, records) << "from \"" << bytes << '"';
    }
    const std::string bytes =
        "  J\xFCrgen \xC4\xDF\t\x80 \r\n-5\r\n0\r\n-5\r\n\r\n24\r\n12\r\n0\r\n";
    EXPECT_EQ(FormatDataFile(ParseDataFile(bytes)), bytes);
}

} // namespace
