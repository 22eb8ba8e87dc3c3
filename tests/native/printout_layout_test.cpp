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

TEST(Printout, SixtyRecordsToAPage) {
    const struct {
        int records;
        std::vector<int> onEachPage; // -1: an empty page
        std::string lastFooter, firstOnLastPage;
    } cases[] = {{0, {-1}, "", ""},
                 {60, {60}, "Seite: 1 von 1", "Person 0"},
                 {61, {60, 1}, "Seite: 2 von 2", "Person 60"},
                 {121, {60, 60, 1}, "Seite: 3 von 3", "Person 120"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.records) + " records");
        BirthdayList list;
        for (int i = 0; i < c.records; i++) AppendRecord(list).Name = "Person " + FormatNumber(i);
        std::vector<PrintPage> pages = Print(list);
        std::vector<int> onEachPage; // after the headings, the rule and the footer
        for (const PrintPage& page : pages)
            onEachPage.push_back(page.empty() ? -1 : page.size() - 5);
        const PrintPage& last = pages.back();
        std::string footer = last.empty() ? "" : last[3].Text,
                    first = last.empty() ? "" : last[5].Text.substr(0, last[5].Text.find("  "));
        EXPECT_EQ(std::tie(onEachPage, footer, first),
                  std::tie(c.onEachPage, c.lastFooter, c.firstOnLastPage));
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
