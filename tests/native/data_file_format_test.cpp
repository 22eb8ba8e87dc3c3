#include <gtest/gtest.h>

#include "register/data_file_format.h"

namespace {

std::string Describe(const BirthdayList& list) {
    std::string text;
    for (const BirthdayRecord& record : list.Records)
        text += "[" + record.Name + "|" + FormatNumber(record.Day) + "|" +
                FormatNumber(record.Month) + "|" + FormatNumber(record.Year) + "]";
    return text;
}

TEST(DataFileBytes, TwoRecordsGiveEightLinesWithCrLf) {
    BirthdayList list;
    AppendRecord(list) = {"Anna Muster", 5, 3, 1987};
    AppendRecord(list) = {"Bernd", 24, 12, 0};
    const std::string bytes = "Anna Muster\r\n5\r\n3\r\n1987\r\nBernd\r\n24\r\n12\r\n0\r\n";
    EXPECT_EQ(FormatDataFile(list), bytes);
    EXPECT_EQ(Describe(ParseDataFile(bytes)), Describe(list));
}

TEST(DataFileBytes, EmptyRegisterIsZeroBytes) {
    EXPECT_EQ(FormatDataFile(BirthdayList{}), "");
    EXPECT_EQ(RecordCount(ParseDataFile("")), 0u);
}

TEST(DataFileBytes, EveryKindOfLineEndEndsALine) {
    EXPECT_EQ(Describe(ParseDataFile("A\n1\n2\n3\n")), "[A|1|2|3]");
    EXPECT_EQ(Describe(ParseDataFile("A\r1\r2\r3\r")), "[A|1|2|3]");
    EXPECT_EQ(Describe(ParseDataFile(std::string("A\0"
                                                 "1\0"
                                                 "2\0"
                                                 "3",
                                                 7))),
              "[A|1|2|3]");
    EXPECT_EQ(Describe(ParseDataFile("A\r\n1\n2\r3")), "[A|1|2|3]");
    // A CR before a zero byte is a line end of its own, so the zero byte ends
    // an empty line.
    EXPECT_EQ(Describe(ParseDataFile(std::string("A\r\0"
                                                 "1\r\n2\r\n",
                                                 9))),
              "[A|0|1|2]");
}

TEST(DataFileBytes, ShortOrOddFilesStillGiveWholeRecords) {
    EXPECT_EQ(Describe(ParseDataFile("Anna\r\n5\r\n3\r\n1987")), "[Anna|5|3|1987]");
    EXPECT_EQ(Describe(ParseDataFile("Anna\r\n5\r\n3\r\n1987\r\n\r\n")), "[Anna|5|3|1987][|0|0|0]");
    EXPECT_EQ(Describe(ParseDataFile("A\r\n1\r\n2\r\n3\r\nB\r\n6\r\n")), "[A|1|2|3][B|6|0|0]");
    EXPECT_EQ(Describe(ParseDataFile("\r\n")), "[|0|0|0]");
}

TEST(DataFileBytes, NumberLinesAreReadLeniently) {
    EXPECT_EQ(Describe(ParseDataFile("A\r\n07\r\n 7\r\n7abc\r\nB\r\nx\r\n300\r\n70000\r\n")),
              "[A|7|7|7][B|0|44|4464]");
}

TEST(DataFileBytes, NamesRoundTripByteForByte) {
    BirthdayList list;
    AppendRecord(list) = {"  J\xFCrgen \xC4\xDF\t\x80 ", 31, 2, -5};
    AppendRecord(list) = {"", -5, 0, 0};
    std::string bytes = FormatDataFile(list);
    EXPECT_EQ(bytes, "  J\xFCrgen \xC4\xDF\t\x80 \r\n31\r\n2\r\n-5\r\n\r\n-5\r\n0\r\n0\r\n");
    EXPECT_EQ(Describe(ParseDataFile(bytes)), Describe(list));
}

} // namespace
