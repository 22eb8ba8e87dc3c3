#include <gtest/gtest.h>

#include "register/records.h"

namespace {

BirthdayList ListOfNames(std::initializer_list<const char*> names) {
    BirthdayList list;
    int day = 1;
    for (const char* name : names) {
        BirthdayRecord& record = AppendRecord(list);
        record.Name = name;
        record.Day = static_cast<std::int8_t>(day++); // tells equal names apart
    }
    return list;
}

std::string NamesAndDays(const BirthdayList& list) {
    std::string text;
    for (const BirthdayRecord& record : list.Records)
        text += record.Name + FormatNumber(record.Day) + " ";
    return text;
}

TEST(Numbers, FormatNumberGivesPlainDecimalText) {
    EXPECT_EQ(FormatNumber(0), "0");
    EXPECT_EQ(FormatNumber(1987), "1987");
    EXPECT_EQ(FormatNumber(-5), "-5");
    EXPECT_EQ(FormatNumber(INT32_MAX), "2147483647");
    EXPECT_EQ(FormatNumber(INT32_MIN), "-2147483648");
}

TEST(Numbers, ParseNumberReadsLeadingNumberAndNeverFails) {
    EXPECT_EQ(ParseNumber(""), 0);
    EXPECT_EQ(ParseNumber("  12"), 12);
    EXPECT_EQ(ParseNumber("\t 7"), 7);
    EXPECT_EQ(ParseNumber("07"), 7);
    EXPECT_EQ(ParseNumber("12abc"), 12);
    EXPECT_EQ(ParseNumber("1 2"), 1);
    EXPECT_EQ(ParseNumber("abc"), 0);
    EXPECT_EQ(ParseNumber("-7"), -7);
    EXPECT_EQ(ParseNumber("+7"), 7);
    EXPECT_EQ(ParseNumber("- 7"), 0);
    EXPECT_EQ(ParseNumber("$1F"), 31);
    EXPECT_EQ(ParseNumber("$ff"), 255);
    EXPECT_EQ(ParseNumber("-$10"), -16);
    EXPECT_EQ(ParseNumber("%101"), 5);
    EXPECT_EQ(ParseNumber("%102"), 2);
    EXPECT_EQ(ParseNumber("12 "), 12);
}

TEST(Numbers, ParseNumberWrapsIn32Bits) {
    EXPECT_EQ(ParseNumber("2147483647"), INT32_MAX);
    EXPECT_EQ(ParseNumber("2147483648"), INT32_MIN);
    EXPECT_EQ(ParseNumber("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseNumber("4294967297"), 1);
    EXPECT_EQ(ParseNumber("$FFFFFFFF"), -1);
}

TEST(Numbers, StoredFieldsKeepTheLowBits) {
    EXPECT_EQ(ParseDayOrMonth("300"), 44);
    EXPECT_EQ(ParseDayOrMonth("200"), -56);
    EXPECT_EQ(ParseDayOrMonth("-5"), -5);
    EXPECT_EQ(ParseYear("70000"), 4464);
    EXPECT_EQ(ParseYear("40000"), -25536);
}

TEST(DateText, PadsOrCutsEachField) {
    EXPECT_EQ(FormatDateText(5, 3, 1987), "05.03.1987");
    EXPECT_EQ(FormatDateText(24, 12, 0), "24.12.0000");
    EXPECT_EQ(FormatDateText(-5, 3, 87), "-5.03.0087");
    EXPECT_EQ(FormatDateText(-56, 100, -5), "-5.10.00-5");
    EXPECT_EQ(FormatDateText(1, 1, 12345), "01.01.1234");
}

TEST(RegisterLine, FitsTheNameToThirtyColumns) {
    BirthdayRecord record{"Anna", 5, 3, 1987};
    EXPECT_EQ(FormatRegisterLine(record), "Anna" + std::string(26, ' ') + "   05.03.1987");
    record.Name = std::string(29, 'x') + "yz";
    EXPECT_EQ(FormatRegisterLine(record), std::string(29, 'x') + "y   05.03.1987");
    record = {"", 24, 12, 0};
    EXPECT_EQ(FormatRegisterLine(record), std::string(33, ' ') + "24.12.0000");
    EXPECT_EQ(FormatRegisterLine(record).size(), 43u);
}

TEST(Entry, ValidityNamesTheFirstFailingField) {
    EXPECT_EQ(IsValidEntry("Anna", "31", "2"), EntryField::None);
    EXPECT_EQ(IsValidEntry("   ", "1", "12"), EntryField::None);
    EXPECT_EQ(IsValidEntry("Anna", "32", "2"), EntryField::Day);
    EXPECT_EQ(IsValidEntry("Anna", "0", "2"), EntryField::Day);
    EXPECT_EQ(IsValidEntry("Anna", "", "2"), EntryField::Day);
    EXPECT_EQ(IsValidEntry("Anna", "5", "13"), EntryField::Month);
    EXPECT_EQ(IsValidEntry("Anna", "5", ""), EntryField::Month);
    EXPECT_EQ(IsValidEntry("", "99", "99"), EntryField::Name);
}

TEST(Entry, CompleteYearTakesTheLatestPastYearForShortYears) {
    EXPECT_EQ(CompleteYear("", 2008), 0);
    EXPECT_EQ(CompleteYear("0", 2008), 2000);
    EXPECT_EQ(CompleteYear("00", 2008), 2000);
    EXPECT_EQ(CompleteYear("5", 2008), 2005);
    EXPECT_EQ(CompleteYear("08", 2008), 2008);
    EXPECT_EQ(CompleteYear("9", 2008), 1909);
    EXPECT_EQ(CompleteYear("87", 2008), 1987);
    EXPECT_EQ(CompleteYear("0087", 2008), 1987);
    EXPECT_EQ(CompleteYear("0005", 2008), 2005);
    EXPECT_EQ(CompleteYear("99", 2008), 1999);
    EXPECT_EQ(CompleteYear("100", 2008), 100);
    EXPECT_EQ(CompleteYear("1950", 2008), 1950);
    EXPECT_EQ(CompleteYear("25", 2025), 2025);
    EXPECT_EQ(CompleteYear("26", 2025), 1926);
    EXPECT_EQ(CompleteYear("70000", 2025), 4464);
}

TEST(Sort, OrdersByCodesNotByCollation) {
    BirthdayList list = ListOfNames({"anna", "Zoe", "\xC4rne", "Anna"});
    SortRegister(list);
    EXPECT_EQ(NamesAndDays(list), "Anna4 Zoe2 anna1 \xC4rne3 ");

    list = ListOfNames({"Annabel", "Ann", " Zed", "Anna"});
    SortRegister(list);
    EXPECT_EQ(NamesAndDays(list), " Zed3 Ann2 Anna4 Annabel1 ");
}

TEST(Sort, ExchangesLikeTheRegisterAlwaysDid) {
    BirthdayList list = ListOfNames({"B", "B", "A"});
    SortRegister(list);
    EXPECT_EQ(NamesAndDays(list), "A3 B2 B1 ");

    list = ListOfNames({"B", "A", "B"});
    SortRegister(list);
    EXPECT_EQ(NamesAndDays(list), "A2 B1 B3 ");

    list = ListOfNames({});
    SortRegister(list);
    EXPECT_EQ(RecordCount(list), 0u);
    list = ListOfNames({"Solo"});
    SortRegister(list);
    EXPECT_EQ(NamesAndDays(list), "Solo1 ");
}

TEST(BirthdayListOperations, KeepOrderAndTheCurrentRecord) {
    BirthdayList list = ListOfNames({"A", "B", "C"});
    EXPECT_EQ(CurrentIndex(list), 2u);
    EXPECT_EQ(SelectRecord(list, 1).Name, "B");
    EXPECT_EQ(CurrentIndex(list), 1u);
    ExchangeRecords(list, 0, 2);
    EXPECT_EQ(NamesAndDays(list), "C3 B2 A1 ");
    DeleteRecord(list, 1);
    EXPECT_EQ(NamesAndDays(list), "C3 A1 ");
    EXPECT_EQ(RecordCount(list), 2u);
}

} // namespace
