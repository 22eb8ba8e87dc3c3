#include <gtest/gtest.h>

#include "printing/printout_layout.h"

namespace {

// The pages for the records on A4 at 300 dots per inch, all of it printable.
std::vector<PrintPage> Print(const BirthdayList& list) {
    return RegisterPrintout(list, "C:\\P\\Festmelder.dat", 2479, 3508,
                            [](const std::string& text) { return int(text.size()) * 10; });
}

// One line per operation: its position, then the font and text or the line's end.
std::string Describe(const PrintPage& page) {
    std::string text;
    for (const PrintOperation& op : page)
        text += std::to_string(op.X) + "," + std::to_string(op.Y) +
                (op.What == PrintOperation::DrawLine
                     ? "-" + std::to_string(op.ToX) + "," + std::to_string(op.ToY)
                     : (op.Font == HeadingFont ? " heading: " : " body: ") + op.Text) +
                "\n";
    return text;
}

// Five operations on every page before its records; an empty register still makes a page.
TEST(Printout, SixtyRecordsToAPage) {
    const struct {
        int records;
        std::vector<std::size_t> operations; // on each page
    } cases[] = {{0, {0}}, {60, {65}}, {61, {65, 6}}, {121, {65, 65, 6}}};
    for (const auto& c : cases) {
        BirthdayList list;
        for (int i = 0; i < c.records; i++) AppendRecord(list);
        std::vector<std::size_t> operations;
        for (const PrintPage& page : Print(list)) operations.push_back(page.size());
        EXPECT_EQ(operations, c.operations) << c.records << " records";
    }
}

TEST(Printout, APageHasHeadingsARuleACentredFooterAndARecordEveryFourMillimetres) {
    BirthdayList list;
    AppendRecord(list) = {std::string(40, 'N') + "Nameless", 7, 3, 0};
    AppendRecord(list) = {"Ann", 7, 3, -5};
    EXPECT_EQ(Describe(Print(list)[0]),
              "177,130 heading: Geburtstagsliste: \n177,201 body: C:\\P\\Festmelder.dat\n"
              "177,283 body: Name                                            Geburtsdatum\n"
              "1169,3307 body: Seite: 1 von 1\n177,366-2302,366\n"
              "177,425 body: NNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNNamel   07.03.0000\n"
              "177,472 body: Ann                                             07.03.00-5\n");
    // Millimetres and font sizes round to the nearest pixel, halves to the even one.
    for (auto [mm, pixels] : {std::pair{0.5f, 0}, {1.5f, 2}, {2.5f, 2}, {3.5f, 4}}) {
        EXPECT_EQ(MmToX(mm, 210), pixels) << mm << " mm";
        EXPECT_EQ(MmToY(mm, 297), pixels) << mm << " mm";
    }
    EXPECT_EQ(FontHeight(BodyFontSize(3508), 96), 40);     // 29.5 points: 30
    EXPECT_EQ(FontHeight(HeadingFontSize(3508), 120), 68); // 41.3 points: 41, 68.3 pixels
}

} // namespace
